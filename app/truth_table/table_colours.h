// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The truth-table window's marks. Each background comes with its own black
// text, so a dark theme's light text never lands on these light colours.

#include <QColor>

namespace table_colours {

inline constexpr QColor wrongBackground{0xFF, 0xC8, 0xC8};
inline constexpr QColor rightBackground{0xC8, 0xF0, 0xC8};
inline constexpr QColor markedText{0x00, 0x00, 0x00};

} // namespace table_colours
