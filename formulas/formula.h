// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Reads a formula in the catalogue's notation and works out its whole truth
// table. Variables A, B, C; constants 0 and 1; "!" (not), "^" (and), "v"
// (or), "Xor", "->" (implication, right-associative), "<-->" (equivalence);
// parentheses; blanks optional; at most one "=", which splits the two sides.
// Precedence, tightest first: !, ^, v, Xor, ->, <-->.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace formulas {

// Longer input is refused with a message rather than read.
inline constexpr std::size_t maxFormulaLength = 1000; // characters

struct ReadError {
    std::size_t position = 0; // 1-based, counted in characters (UTF-8 code points)
    std::string message;      // Bulgarian, UTF-8; begins "Грешка на позиция N: "
};

struct TableRow {
    std::array<bool, 3> values{}; // A, B, C; a variable the formula does not use stays false
    bool left = false;            // the left side, or the whole formula where there is no "="
    bool right = true;            // the right side; true where there is no "="
    // Both sides agree; without "=", the formula is true on this row.
    bool holds() const { return left == right; }
};

struct TruthTable {
    std::vector<char> variables; // 'A', 'B', 'C': those the formula uses, in that order
    bool hasEquals = false;
    std::vector<TableRow> rows; // 2^n rows in counting order, the first variable most significant

    int failingRows() const;
    bool isIdentity() const { return failingRows() == 0; }
};

// Reads text and evaluates it on every row; text that cannot be read gives
// the first place where it goes wrong. Never throws, never recurses without
// bound, whatever the bytes.
std::variant<TruthTable, ReadError> tabulate(std::string_view text);

} // namespace formulas
