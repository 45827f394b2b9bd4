// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The law table compiled once into matchers: every rule left to right, its
// way back where the row allows one, and a derived law's proof lines.

#include "law_table.h"
#include "patterns.h"

#include <optional>
#include <utility>
#include <vector>

namespace derivations {

struct CompiledRule {
    LawId law;
    Pattern forward;  // left side to right side
    Pattern backward; // right side to left side
    WayBack back;
    // Order and grouping only: the working form already has it.
    bool reordersOnly = false;
    // What replaces the left side, line by line, with each line's basic law.
    std::vector<std::pair<Tree, LawId>> proof;
};

// Every rule of every law, in table order.
const std::vector<CompiledRule> &compiledRules();

// The law that writes out an operator other than "!", "^" and "v" by the
// others, if any: the law whose rule reads "A op B" as a formula without op.
std::optional<LawId> definitionOf(Operator op);

// The laws that the working form ignores, told apart by the key their
// rules keep: the one that regroups a chain's operands and the one that
// reorders them.
LawId regroupingLaw();
LawId reorderingLaw();
// Whether the law only reorders or regroups.
bool reordersOnly(LawId law);

// The pattern with every letter replaced by `value`.
Tree withEveryLetter(const Tree &pattern, const Tree &value);

} // namespace derivations
