// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Reads the characters of a formula into its sides in postfix order, by
// operator precedence with a stack of pending operators instead of
// recursion: a thousand nested "(" or "!" cost a thousand stack entries on
// the heap, not a thousand calls.

#include "formula.h"
#include "postfix.h"

#include <cstdint>
#include <optional>
#include <string_view>
#include <variant>

namespace formulas {

struct ReadFormula {
    Postfix left;
    std::optional<Postfix> right; // only where there is an "="
    std::uint32_t letters = 0;    // bit L: the letter 'A' + L is used
};

// Text longer than maxFormulaLength is refused before it is read.
std::variant<ReadFormula, ReadError> readFormula(std::u32string_view text);

} // namespace formulas
