// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The next step a hint proposes for a student's chain, in the order a
// teacher would take: take out "<-->", "Xor" and "->" by their definitions,
// bring negations inward, take the step that makes the formula shortest,
// and distribute only when nothing shortens. The goal is worked on the same
// way, and where the two routes meet, the hint follows the goal's route
// back; so taking hint after hint ends at the goal. A hint never proposes a
// formula already in the chain (up to the order and grouping of "^" and "v"
// operands). Counted work only: the same chain gets the same hint on every
// machine.

#include "law_table.h"
#include "working_form.h"

#include <atomic>
#include <optional>
#include <vector>

namespace derivations {

struct HintStep {
    LawId law = LawId::Commutative;
    Tree part;    // the node of the last formula the law applies at; none where it cannot be told
    Tree formula; // the whole formula after the step
};

// chain: the formulas so far, the start first; it must not be empty. None
// where the goal is reached, not equivalent to the last formula, or out of
// reach within the bounds (or when `cancelled` is set).
std::optional<HintStep> nextHintStep(const std::vector<Tree> &chain, const Tree &goal,
                                     const std::atomic<bool> *cancelled = nullptr);

// The same towards the minimal sum of products of the chain's start.
std::optional<HintStep> nextHintStepToMinimalForm(const std::vector<Tree> &chain,
                                                  const std::atomic<bool> *cancelled = nullptr);

} // namespace derivations
