// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Rules written as text in the reader's notation ("X v (X ^ Y)" into
// "X ^ Y"), compiled once and matched against a flattened formula modulo
// the order and grouping of "^" and "v": a pattern letter takes one operand,
// or several operands of a chain of its own operator, and a pattern chain at
// the rewritten node may leave other operands of that node in place.

#include "working_form.h"

#include <array>
#include <functional>
#include <string_view>
#include <vector>

namespace derivations {

struct Pattern {
    Tree left;
    Tree right;
    // A negated letter also matches where the operand is negated and the
    // letter's operand plain ("!X" against A with X = !A).
    bool negationEitherWay = false;
};

// The pattern of the two sides; both must read (the table's own text).
Pattern compiledPattern(std::string_view left, std::string_view right, bool negationEitherWay);

// Every way the pattern's left side matches at one node of the formula,
// turned into the whole formula with that node rewritten by its right side.
// `budget` counts the matches tried; the enumeration stops when it runs out.
void patternRewrites(const Tree &flatFormula, const Pattern &pattern, std::size_t &budget,
                     const std::function<void(Tree)> &emit);

} // namespace derivations
