// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The exact choice among prime implicants: a branch-and-bound search over
// which prime covers the uncovered row that fewest primes cover. Each branch
// leaves out the primes tried before it, so every cover is met once; a lower
// bound from rows that share no prime cuts the branches that cannot win.

#include "minimal_forms.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace derivations {

enum class CoverCost { LiteralsThenTerms, TermsThenLiterals };

struct CoverSearchResult {
    std::vector<std::vector<std::size_t>> covers; // indices into the primes, each cover once
    bool exhaustive = true;                       // false only if the work bound stopped the search early
};

// The cheapest covers of `ones` by `primes`, at most `limit` of them.
CoverSearchResult cheapestCovers(int variableCount, std::uint64_t ones, const std::vector<Term> &primes,
                                 CoverCost cost, std::size_t limit);

} // namespace derivations
