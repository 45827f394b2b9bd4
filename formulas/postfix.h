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

enum class Step : std::uint8_t {
    PushA,
    PushB,
    PushC,
    PushFalse,
    PushTrue,
    Not,
    And,
    Or,
    Xor,
    Implies,
    Equivalent
};

using Postfix = std::vector<Step>;

// values: A, B, C. The steps must form one whole expression, as the reader
// builds them.
bool evaluate(const Postfix &steps, const std::array<bool, 3> &values);

} // namespace formulas
