// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The 21 laws the program proves, in list order: row index 0 is law 1. Every
// blank in a name or formula is part of what the user sees.

#include <array>
#include <string>
#include <string_view>

namespace catalogue {

struct LawRow {
    std::string_view name;
    std::string_view formula;
    std::string_view variableCount; // "2" (A, B) or "3" (A, B, C)
};

extern const std::array<LawRow, 21> lawCatalogue;

// The entry of the visible law list: name, one blank, formula.
std::string visibleEntry(const LawRow &row);

// A name as a heading or a title shows it: "Закон за слепване:  " becomes
// "Закон за слепване"; the blanks and the colon belong to the proof's
// header line.
std::string_view headingName(std::string_view name);

// 2 (A, B) or 3 (A, B, C) for row index `row` (0 is law 1).
int variableCountOf(std::size_t row);

} // namespace catalogue
