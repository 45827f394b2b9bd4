// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// One try at an exercise of each kind, from the numbers drawn so far: the
// exercise where it meets its level and is worth doing, else none. The
// generator makes a bounded number of tries from each seed.

#include "exercise.h"
#include "random_source.h"

#include <optional>
#include <vector>

namespace exercises {

std::optional<Exercise> proveCandidate(Level level, RandomSource &random);
std::optional<Exercise> simplifyCandidate(Level level, RandomSource &random);
std::optional<Exercise> tableCandidate(Level level, RandomSource &random);
std::optional<Exercise> mapCandidate(Level level, RandomSource &random);
std::optional<Exercise> lawCandidate(Level level, RandomSource &random);

// The letters of both formulas (the second may be empty), alphabetical.
std::vector<char> variablesOf(const Tree &formula, const Tree &other = nullptr);
// The formula's value on each row of the letters' table (at most six
// letters), counting order, the first letter the most significant.
std::uint64_t truthOver(const Tree &formula, const std::vector<char> &letters);
// Different even up to the order and grouping of "^" and "v" operands.
bool differ(const Tree &formula, const Tree &other);

} // namespace exercises
