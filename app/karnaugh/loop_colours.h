// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The colours of the loops on a map. They are drawn straight on the cells'
// own background (the theme's Base), so each comes in a dark shade for light
// themes and a light shade for dark ones, every one at 4.5:1 or better
// against white or against a dark grey. A wrong loop is dashed as well as
// red: the mark does not rest on colour alone.

#include <QColor>
#include <QPalette>

#include <array>

namespace loop_colours {

struct Shades {
    QColor light; // on a light background
    QColor dark;  // on a dark background
};

// The groups of a minimal cover, one hue each, repeating after six.
inline constexpr std::array<Shades, 6> cover{{
    {{0x0B, 0x4F, 0xA0}, {0x8A, 0xB4, 0xF8}}, // blue
    {{0xA6, 0x1C, 0x00}, {0xF2, 0x8B, 0x82}}, // red
    {{0x1B, 0x6B, 0x1B}, {0x81, 0xC9, 0x95}}, // green
    {{0x7B, 0x2D, 0x98}, {0xD7, 0xAE, 0xFB}}, // purple
    {{0x8A, 0x4B, 0x00}, {0xFD, 0xD6, 0x63}}, // brown / yellow
    {{0x00, 0x66, 0x6E}, {0x78, 0xD9, 0xEC}}, // teal / cyan
}};

inline constexpr Shades right{{0x1B, 0x6B, 0x1B}, {0x81, 0xC9, 0x95}};
inline constexpr Shades wrong{{0xB0, 0x00, 0x20}, {0xFF, 0x8A, 0x80}};

inline bool isDark(const QPalette &palette) { return palette.color(QPalette::Base).lightness() < 128; }
inline QColor on(const QPalette &palette, const Shades &shades) {
    return isDark(palette) ? shades.dark : shades.light;
}

} // namespace loop_colours
