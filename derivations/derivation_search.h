// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Finds a chain of steps from one formula to another, each step one law
// applied once at one place. Two searches meet in the middle; where only
// the basic laws may be used and they do not meet, a search that may also
// use the laws that follow from them finds a chain whose steps by those
// laws are then written out in basic steps; where that fails too, both
// formulas are rewritten to their full sum of minterms and the two chains
// are joined. Every step is checked again (by the step check and
// by truth table) before the chain is returned: a chain that fails the
// check is never returned. The search is bounded by counted work only (the
// formulas it keeps and the steps of a chain), never by the clock, so that
// the same question gets the same answer on every machine; it says so when
// it gives up.

#include "law_table.h"
#include "rewrites.h"
#include "step_check.h"

#include <atomic>
#include <cstddef>
#include <vector>

namespace derivations {

struct SearchBounds {
    std::size_t maxStates = 150'000; // formulas kept by the meeting searches together
    std::size_t maxSteps = 60;       // the longest chain returned
    bool normalFormFallback = true;
    bool shorten = true; // cut out steps that one law does at once
    // Set from another thread (a person who stopped waiting) to stop the
    // search at once; it then gives up.
    const std::atomic<bool> *cancelled = nullptr;
};

struct DerivationStep {
    Tree formula; // the formula after the step
    LawId law;
};

struct Derivation {
    Tree start;
    std::vector<DerivationStep> steps;
};

enum class DeriveOutcome {
    Found,
    NotEquivalent, // see counterexample
    GaveUp,        // no chain within the bounds
};

struct DeriveResult {
    DeriveOutcome outcome = DeriveOutcome::GaveUp;
    Derivation derivation;
    Counterexample counterexample;
};

// A chain from `from` to `to` (up to the order and grouping of "^" and "v"
// operands in the last formula) using only the given laws.
DeriveResult derive(const Tree &from, const Tree &to, const LawSet &laws = allLaws(),
                    SearchBounds bounds = {});

// Row `row` (1 to 21) of the catalogue, its left side into its right side,
// by the fourteen basic laws only.
DeriveResult deriveCatalogueRow(int row, SearchBounds bounds = {});

// A minimal sum of products of the formula (fewest literals, then fewest
// terms), or the constant 0 or 1, reached by the laws.
// simplify first brings the formula to a sum of products, then splits the
// products that the minimal sum lacks until both sums meet.
Tree minimalSumOfProducts(const Tree &formula);
DeriveResult simplify(const Tree &formula);
DeriveResult simplify(const Tree &formula, SearchBounds bounds);

} // namespace derivations
