// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The small questions every rewrite asks of a flattened formula, in one
// place: whether a node is a chain, the dual operator, whether two operands
// are complements, a list of items without one of them.

#include "working_form.h"

#include <cstddef>
#include <vector>

namespace derivations {

inline bool isChain(Operator op) { return op == Operator::And || op == Operator::Or; }
inline bool isChain(const Tree &tree) { return isChain(tree->op); }
inline Operator dualOf(Operator op) { return op == Operator::And ? Operator::Or : Operator::And; }
inline bool isConstant(const Tree &tree, bool value) {
    return tree->op == (value ? Operator::True : Operator::False);
}
// x and y are complements, either way round.
inline bool complementary(const Tree &x, const Tree &y) {
    return (y->op == Operator::Not && same(y->operands[0], x)) ||
           (x->op == Operator::Not && same(x->operands[0], y));
}
// items without the one at `at`.
inline std::vector<Tree> without(std::vector<Tree> items, std::size_t at) {
    items.erase(items.begin() + std::ptrdiff_t(at));
    return items;
}

} // namespace derivations
