// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What a screen reader says for each control (UTF-8). The window never shows
// these; the descriptions are the tool-tips a sighted user reads.

#include <array>

namespace accessible {

inline constexpr const char *descriptionBoxName = "Описание на програмата";
inline constexpr const char *lawListName = "Списък на законите";
inline constexpr std::array<const char *, 3> selectorNames{"Стойност на A", "Стойност на B", "Стойност на C"};
inline constexpr const char *resultBoxName = "Доказателство";
// Never shown, never focused; named all the same for a reader that lists them.
inline constexpr std::array<const char *, 3> hiddenListNames{"Брой на променливите", "Имена на законите",
                                                             "Формули на законите"};

} // namespace accessible
