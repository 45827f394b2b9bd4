// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Rules written as text in the reader's notation ("X v (X ^ Y)" into
// "X ^ Y"), compiled once and matched against a flattened formula modulo
// the order and grouping of "^" and "v": a pattern letter takes one operand,
// or several operands of a chain of its own operator, and a pattern chain at
// the rewritten node may leave other operands of that node in place.

#include "working_form.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

namespace derivations {

struct Pattern {
    Tree left;
    Tree right;
    // A negated letter also matches where the operand is negated and the
    // letter's operand plain ("!X" against A with X = !A).
    bool negationEitherWay = false;
    // Letters (bit 0 for A) that may stand for several operands, each of
    // which then takes the whole operand that holds the letter on the other
    // side: "!(A ^ B)" into "!A v !B" reads !(P ^ Q ^ R) into !P v !Q v !R.
    std::uint32_t spread = 0;
    // Where such a letter is held by a compound operand of a chain of the
    // left side, that operand may match several operands, the letter's
    // values then joined by this operator (the chain the letter stands in on
    // the right side): "(A ^ B) v (A ^ C)" takes out A from three terms.
    std::array<Operator, 26> gatheredBy{};
    // Letters that take one operand only: at the rewritten node, taking more
    // gives what leaving them beside the result gives.
    std::uint32_t single = 0;
    // Letters that take one operand or all those left, never some of them.
    std::uint32_t oneOrAll = 0;
    // The first of two letters that the rule does not tell apart, the last
    // two operands of a chain: it takes the first operand left, so that each
    // split of the chain is tried once.
    std::uint32_t firstOfPair = 0;
};

// The pattern of the two sides; both must read (the table's own text).
Pattern compiledPattern(std::string_view left, std::string_view right, bool negationEitherWay,
                        std::string_view spreadLetters = {}, std::string_view oneOrAllLetters = {});

// A formula text of the table, read.
Tree patternTree(std::string_view text);

// Rewrites the matched place by a pattern over the same letters (the right
// side or a line of a proof): the whole formula, or the node's replacement.
struct MatchedPlace {
    std::function<Tree(const Tree &replacement, bool spreading)> whole;
    std::function<Tree(const Tree &replacement, bool spreading)> local;
    bool spreads = false; // some spread letter stands for several operands
};

// Every way the pattern's left side matches at the node `path` leads to in
// the flattened formula. `budget` counts the matches tried; the enumeration
// stops when it runs out.
void matchesAt(const Tree &flatFormula, const std::vector<std::size_t> &path, const Pattern &pattern,
               std::size_t &budget, const std::function<void(const MatchedPlace &)> &found);

// Every way the pattern's left side matches at one node of the formula,
// turned into the whole formula with that node rewritten by its right side
// (and, where spread letters took several operands, by the spread right side
// too).
void patternRewrites(const Tree &flatFormula, const Pattern &pattern, std::size_t &budget,
                     const std::function<void(Tree)> &emit);

// Calls `visit` with the path of every node, the root first, then each
// operand's nodes in order.
void forEachPath(const Tree &tree, const std::function<void(const std::vector<std::size_t> &)> &visit);

// The formula with the node at `path` replaced, its chains spliced.
Tree replacedAt(const Tree &root, const std::vector<std::size_t> &path, Tree replacement);

} // namespace derivations
