// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The laws of a big step: two or three laws, each applied once, that turn
// one formula into the other. An exhaustive search to that depth, bounded by
// the number of formulas it keeps, so that the answer is the same on every
// machine; it needs neither the step check nor the derivation search.

#include "rewrites.h"

#include <vector>

namespace derivations {

// One such sequence of laws, in order, or none where no two or three laws
// do it within the bound. The formulas must be equivalent.
std::vector<LawId> lawsOfBigStep(const Tree &before, const Tree &after);

} // namespace derivations
