// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "screen_reader.h"

#include <QPushButton>

// A button that Enter in a window's field never presses: Enter there checks
// or edits, the buttons are clicked or reached with Tab and Space.
inline QPushButton *plainButton(QWidget *parent) {
    auto *button = new QPushButton(parent);
    button->setAutoDefault(false);
    return button;
}

// The button's text with its mnemonic, and the same words without the "&"
// for screen readers.
inline void wordButton(QPushButton *button, const QString &text, const QString &toolTip) {
    button->setText(text);
    screen_reader::describe(button, QString(text).remove(QLatin1Char('&')), toolTip);
}
