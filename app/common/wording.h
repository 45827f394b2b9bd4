// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The words of a window's controls, set when they are built and again
// whenever the language changes (QEvent::LanguageChange reaches every
// window). Each piece of wording is written once, where its control is made.

#include <QObject>

#include <functional>
#include <vector>

class QWidget;

class Wording : public QObject {
public:
    explicit Wording(QWidget *window);

    // Runs `words` now and after each change of language.
    void add(std::function<void()> words);
    // Runs `then` after each change of language, once all words are set:
    // for texts that depend on what the window shows.
    void afterChange(std::function<void()> then);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    std::vector<std::function<void()>> words_;
    std::vector<std::function<void()>> after_;
};
