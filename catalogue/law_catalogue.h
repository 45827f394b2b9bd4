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

} // namespace catalogue
