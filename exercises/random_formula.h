// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Random formulas for exercises: each of the first `letters` letters (A, B,
// ...) stands at least once, the tree is binary, and no operator joins a
// letter to itself or to its own negation (A v A, B ^ !B), which reads as a
// trick rather than as work; nor does a chain of "^" or "v" hold two
// literals of one letter (A ^ B ^ A).

#include "random_source.h"

#include "formula_tree.h"

#include <optional>

namespace exercises {

struct FormulaShape {
    int letters = 2;
    int leaves = 3; // occurrences of letters; at least `letters`
    // "->", and "<-->" and "Xor", beside "!", "^" and "v".
    bool implication = false;
    bool equivalenceAndXor = false;
    int maxDefinitions = 1; // of those three operators, at most this many
};

// None where a few tries all gave such a formula.
std::optional<formulas::Tree> randomFormula(RandomSource &random, const FormulaShape &shape);

// The formula's occurrences of letters (its literals), and whether it holds
// "->", "<-->" or "Xor".
int literalsOf(const formulas::Tree &tree);
bool usesDefinitions(const formulas::Tree &tree);

} // namespace exercises
