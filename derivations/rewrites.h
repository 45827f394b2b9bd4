// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The laws as rewrites of one node of a formula, read from the law table's
// rules and matched modulo the order and grouping of "^" and "v" operands:
// absorption applies to (B ^ A) v A and inside C v A v (A ^ B). Every
// rewrite gives the whole formula with that one node replaced, its chains
// flattened.

#include "law_table.h"
#include "working_form.h"

#include <bitset>
#include <vector>

namespace derivations {

struct Rewrite {
    LawId law;
    Tree result;
};

using LawSet = std::bitset<lawCount>;
LawSet allLaws();
LawSet basicLaws();

// Each law of the set applied once, left side to right side as its table
// writes it, at every node. A step from F to G by a law used right to left
// is a rewrite of G into F.
std::vector<Rewrite> lawRewrites(const Tree &tree, const LawSet &laws);

// The rewrites of lawRewrites that may give `goal`: only those at the
// places where the two formulas differ, the rest left out unseen.
std::vector<Rewrite> lawRewritesToward(const Tree &tree, const Tree &goal, const LawSet &laws);

// The laws of the set applied left to right at this one node only: each
// rewrite's result is what replaces the node. The node must be flattened.
std::vector<Rewrite> localRewrites(const Tree &node, const LawSet &laws);

// The moves of a search: the laws both ways, where the way back brings in
// only what a textbook brings in (a term times 1, a 1 as Y v !Y for a
// letter Y of the formulas, a common factor taken out).
std::vector<Rewrite> searchMoves(const Tree &tree, const LawSet &laws, const std::vector<char> &letters);

} // namespace derivations
