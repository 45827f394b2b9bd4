// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Formulas as derivations handle them: chains of "^" and "v" flattened into
// one node of many operands, so that commutativity and associativity cost
// nothing in matching; a key that is the same for two formulas exactly when
// they differ only in the order and grouping of such operands; and truth
// tables over a chosen list of variables.

#include "formula_tree.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace derivations {

using formulas::Operator;
using formulas::Tree;

// The operands of a chain of op, or the tree alone where it is no such chain.
std::vector<Tree> itemsOf(Operator op, const Tree &tree);
// A chain of op over items, chains of the same op among them spliced in; one
// item is itself, none the operator's neutral constant.
Tree chainOf(Operator op, std::vector<Tree> items);
// The whole tree with its chains flattened.
Tree flattened(const Tree &tree);

// Equal for formulas equal up to the order and grouping of "^" and "v".
std::string acKey(const Tree &tree);
// Equal for formulas equal up to the grouping of "^" and "v" (order kept).
std::string groupingKey(const Tree &tree);
// Equal for formulas equal up to the order of the two operands of a binary
// "^" or "v" (grouping kept).
std::string orderKey(const Tree &tree);

// The same formula up to the order and grouping of "^" and "v" operands.
bool same(const Tree &a, const Tree &b);

// Where the multiset of y's items holds all of x's (each up to `same`), the
// rest of y's items.
std::optional<std::vector<Tree>> remainder(const std::vector<Tree> &x, const std::vector<Tree> &y);

// Operators and leaves in the tree.
std::size_t sizeOf(const Tree &tree);

// The letters of both formulas, alphabetical.
std::vector<char> lettersOf(const Tree &a, const Tree &b);

// The formula's value on every row of the letters' table, in counting order
// with the first letter most significant: bit r % 64 of word r / 64.
std::vector<std::uint64_t> truthOf(const Tree &tree, const std::vector<char> &letters);

} // namespace derivations
