// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_font.h"

QFont windowFont() {
    QFont font(QStringLiteral("Times New Roman"), 12);
    // Where Times New Roman is missing, the font system's serif stands in
    // (Liberation Serif on Debian), and it carries the Cyrillic letters.
    font.setStyleHint(QFont::Serif);
    return font;
}
