// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QPalette>

// A chosen row or selected text reads white on dark blue in every window,
// whatever the desktop's theme: a theme's own highlight may carry light text
// on a light blue, below 4.5:1.
inline constexpr QColor highlightColour{0x00, 0x00, 0x80};
inline constexpr QColor highlightedTextColour{0xFF, 0xFF, 0xFF};

inline void useReadableHighlight(QPalette &palette) {
    palette.setColor(QPalette::Highlight, highlightColour);
    palette.setColor(QPalette::HighlightedText, highlightedTextColour);
}
