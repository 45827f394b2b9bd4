// SPDX-License-Identifier: GPL-3.0-or-later
#include "wording.h"

#include <QEvent>
#include <QWidget>

Wording::Wording(QWidget *window) : QObject(window) { window->installEventFilter(this); }

void Wording::add(std::function<void()> words) {
    words();
    words_.push_back(std::move(words));
}

void Wording::afterChange(std::function<void()> then) { after_.push_back(std::move(then)); }

bool Wording::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::LanguageChange && watched == parent()) {
        for (const auto &words : words_)
            words();
        for (const auto &then : after_)
            then();
    }
    return false;
}
