// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Search bounds that only counts decide: an exercise must not change with
// the machine's load.

#include "derivation_search.h"

namespace exercises {

// The search's bounds with `maxSteps`, decided by counts only.
inline derivations::SearchBounds countedBounds(std::size_t maxSteps) {
    derivations::SearchBounds bounds;
    bounds.maxSteps = maxSteps;
    return bounds;
}

// simplify's own bound on a chain's length: a long formula takes many small
// steps.
inline constexpr std::size_t simplifySteps = 250;

} // namespace exercises
