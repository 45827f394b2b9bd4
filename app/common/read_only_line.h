// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLineEdit>

// A line whose text a screen reader reads and a user can copy, but which is
// no stop for Tab on the way between a window's controls.
inline QLineEdit *readOnlyLine(QWidget *parent) {
    auto *line = new QLineEdit(parent);
    line->setReadOnly(true);
    line->setFocusPolicy(Qt::ClickFocus);
    return line;
}
