// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Reads a formula in the catalogue's notation and works out its whole truth
// table. Variables are the capital Latin letters A to Z, at most six
// different ones in a formula; constants 0 and 1; "!" (not), "^" (and), "v"
// (or), "Xor" (read as the operator wherever those three letters stand),
// "->" (implication, right-associative), "<-->" (equivalence); parentheses;
// blanks optional; at most one "=", which splits the two sides.
// Precedence, tightest first: !, ^, v, Xor, ->, <-->.

#include <array>
#include <cstddef>
#include <string_view>
#include <variant>
#include <vector>

namespace formulas {

// Longer input is refused rather than read.
inline constexpr std::size_t maxFormulaLength = 1000; // characters
// 64 rows: a table a student can still read, and one machine word of values.
inline constexpr std::size_t maxVariables = 6;

// What went wrong; the program words it (the library holds no sentences).
enum class ReadErrorCode {
    EmptyFormula,
    EmptyLeftSide,
    EmptyRightSide,
    ExpectedOperand,
    ExpectedOperator,         // after the right side, where only an operator or the end may come
    ExpectedOperatorOrEquals, // on the left side
    ExpectedOperatorOrClose,  // inside parentheses
    ExpectedClose,
    CloseWithoutOpen,
    SecondEquals,
    ExpectedImplication,
    ExpectedEquivalence,
    UnknownCharacter, // character says which
    TooLong,          // position is maxFormulaLength + 1
    TooManyVariables, // character is the first variable past maxVariables
};

struct ReadError {
    ReadErrorCode code = ReadErrorCode::EmptyFormula;
    std::size_t position = 0; // 1-based, counted in characters
    char32_t character = 0;   // the offending character, where one is to blame
    bool operator==(const ReadError &) const = default;
};

struct TableRow {
    std::array<bool, maxVariables> values{}; // by column: values[i] belongs to variables[i]
    bool left = false;                       // the left side, or the whole formula where there is no "="
    bool right = true;                       // the right side; true where there is no "="
    // Both sides agree; without "=", the formula is true on this row.
    bool holds() const { return left == right; }
};

struct TruthTable {
    std::vector<char> variables; // the letters the formula uses, in alphabetical order
    bool hasEquals = false;
    std::vector<TableRow> rows; // 2^n rows in counting order, the first variable most significant

    int failingRows() const;
    bool isIdentity() const { return failingRows() == 0; }
};

// Reads text and evaluates it on every row; text that cannot be read gives
// the first place where it goes wrong. Never throws, never recurses,
// whatever the characters.
std::variant<TruthTable, ReadError> tabulate(std::u32string_view text);

} // namespace formulas
