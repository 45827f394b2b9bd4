// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// One side of a formula as its expression tree laid flat in postfix order:
// every operator follows its operands. It is evaluated with a stack of
// values rather than by recursion, so a deeply nested side cannot exhaust
// the call stack.

#include <array>
#include <cstdint>
#include <vector>

namespace formulas {

enum class Step : std::uint8_t { Variable, False, True, Not, And, Or, Xor, Implies, Equivalent };

struct PostfixStep {
    Step step = Step::False;
    std::uint8_t letter = 0; // 0 for A … 25 for Z, for a variable
};

using Postfix = std::vector<PostfixStep>;

// letters: bit L is the value of the letter 'A' + L. The steps must form one
// whole expression, as the reader builds them.
bool evaluate(const Postfix &steps, std::uint32_t letters);

// Up to 64 rows at once: columns[L] holds the letter's value on each row,
// one bit a row; the result holds the side's value the same way.
std::uint64_t evaluateRows(const Postfix &steps, const std::array<std::uint64_t, 26> &columns);

} // namespace formulas
