// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A formula as a small immutable tree, shared freely between the formulas
// made from it. The reader gives binary "^" and "v" nodes, grouped as it
// read them; a node of "^" or "v" may hold more than two operands, which
// stand for the chain A ^ B ^ C in that order.

#include "formula.h"
#include "postfix.h"

#include <memory>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace formulas {

enum class Operator : std::uint8_t { Variable, False, True, Not, And, Or, Xor, Implies, Equivalent };

struct Node;
using Tree = std::shared_ptr<const Node>;

struct Node {
    Operator op = Operator::False;
    char letter = 0;            // 'A' … 'Z' for a variable
    std::vector<Tree> operands; // one for "!", two or more for "^" and "v", two for the others
};

Tree variable(char letter);
Tree constant(bool value);
Tree negation(Tree operand);
Tree combination(Operator op, std::vector<Tree> operands);

// The two sides of what was read; right is empty where there is no "=".
struct Equation {
    Tree left;
    Tree right;
};

std::variant<Equation, ReadError> readTree(std::u32string_view text);

// The tree laid flat again, for evaluation (see postfix.h); no recursion.
Postfix postfixOf(const Tree &tree);
// Bit L: the letter 'A' + L stands in the tree.
std::uint32_t lettersOf(const Tree &tree);

// Same operators, letters and operands in the same order and grouping.
bool sameTree(const Tree &a, const Tree &b);

} // namespace formulas
