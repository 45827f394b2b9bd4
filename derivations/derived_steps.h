// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A step by a law that follows from the basic ones (absorption, gluing,
// simplification, consensus, transposition) written out as the basic steps
// a textbook takes for it, the proof its row in the law table carries: a
// term times 1, the 1 as Y v !Y, the common factor taken out, and so on. A
// search may then use such a law as one move and still return a chain of
// basic steps only.

#include "law_table.h"
#include "working_form.h"

#include <optional>
#include <utility>
#include <vector>

namespace derivations {

// Each formula of a chain with the law of the step into it (the first law
// is unused).
using StepChain = std::vector<std::pair<Tree, LawId>>;

// The basic steps from `before` to `after`, where `law` (one of those that
// follow from the basic laws) turns one into the other once at one place,
// either way round. The first formula is `before`, the last `after`. None
// where no such step is found.
std::optional<StepChain> basicStepsOf(const Tree &before, const Tree &after, LawId law);

} // namespace derivations
