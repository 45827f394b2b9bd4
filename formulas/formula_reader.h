// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Reads the characters of a formula into its sides in postfix order, by
// operator precedence with a stack of pending operators instead of
// recursion: a thousand nested "(" or "!" cost a thousand stack entries on
// the heap, not a thousand calls.

#include "formula.h"
#include "postfix.h"

#include <array>
#include <optional>
#include <string_view>
#include <variant>

namespace formulas {

struct ReadFormula {
    Postfix left;
    std::optional<Postfix> right; // only where there is an "="
    std::array<bool, 3> uses{};   // A, B, C
};

std::variant<ReadFormula, ReadError> readFormula(std::u32string_view text);

} // namespace formulas
