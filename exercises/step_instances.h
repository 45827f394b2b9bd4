// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Steps made from the laws' and the mistakes' own patterns: the letters of a
// pattern renamed, now and then one swapped for a small subformula, and the
// step set inside a larger formula.

#include "random_source.h"

#include "formula_tree.h"

#include <string_view>

namespace exercises {

struct StepInstance {
    formulas::Tree before;
    formulas::Tree after;
};

// A side as the laws' and the catalogue's tables write it (ASCII, no "=").
formulas::Tree patternTree(std::string_view text);

// The two sides with the pattern's letters renamed to distinct letters of A
// to D, and with even odds (or surely, where every letter kept its name) one
// of them swapped for a negated letter, a product or a sum of two letters.
StepInstance renamedInstance(RandomSource &random, const formulas::Tree &before, const formulas::Tree &after);

// The step as a part of a larger formula: `depth` times, a literal or a
// product or sum of two joins it by "^" or "v", on either side, so that the
// formula around it stays the same.
StepInstance insideLargerFormula(RandomSource &random, StepInstance step, int depth);

} // namespace exercises
