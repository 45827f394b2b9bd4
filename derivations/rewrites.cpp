// SPDX-License-Identifier: GPL-3.0-or-later
#include "rewrites.h"

#include "law_patterns.h"
#include "tree_helpers.h"

#include <functional>

namespace derivations {

namespace {

// Matches tried by one call at every node together: far beyond what a
// formula of a few hundred symbols needs, and a bound on a pathological one
// whose chains hold many operands for every letter's sub-multisets.
constexpr std::size_t lawMatchBudget = 400'000;

using Path = std::vector<std::size_t>;

// Every node with the operator of the chain it is an operand of
// (Operator::False at the root).
void everyNode(const Tree &node, Operator parent, Path &path,
               const std::function<void(const Tree &, Operator, const Path &)> &visit) {
    visit(node, parent, path);
    for (std::size_t i = 0; i < node->operands.size(); ++i) {
        path.push_back(i);
        everyNode(node->operands[i], node->op, path, visit);
        path.pop_back();
    }
}

// Whether the pattern's left side may match at a node of this operator.
bool mayMatch(const Pattern &pattern, Operator op) {
    return pattern.left->op == Operator::Variable || pattern.left->op == op;
}

// A rule left to right at the node: the whole formula, or where `local`,
// what replaces the node.
void ruleAt(const Tree &flat, const Path &path, const CompiledRule &rule, const Pattern &pattern,
            std::size_t &budget, bool local, std::vector<Rewrite> &out) {
    matchesAt(flat, path, pattern, budget, [&](const MatchedPlace &place) {
        const auto &make = local ? place.local : place.whole;
        if (Tree made = make(pattern.right, false))
            out.push_back({rule.law, std::move(made)});
        if (place.spreads)
            if (Tree made = make(pattern.right, true))
                out.push_back({rule.law, std::move(made)});
    });
}

void forwardAt(const Tree &flat, const Tree &node, const Path &path, const LawSet &laws, std::size_t &budget,
               bool local, std::vector<Rewrite> &out) {
    for (const CompiledRule &rule : compiledRules())
        if (laws[std::size_t(rule.law)] && !rule.reordersOnly && mayMatch(rule.forward, node->op))
            ruleAt(flat, path, rule, rule.forward, budget, local, out);
}

// The ways back a row allows, at one node: a common factor taken out, De
// Morgan and the definitions read right to left, a term times 1 and a 1 as
// Y v !Y.
void backwardAt(const Tree &flat, const Tree &node, Operator parent, const Path &path, const LawSet &laws,
                const std::vector<char> &letters, std::size_t &budget, std::vector<Rewrite> &out) {
    for (const CompiledRule &rule : compiledRules()) {
        if (!laws[std::size_t(rule.law)] || rule.back == WayBack::Never)
            continue;
        const Operator dual = dualOf(rule.forward.left->op);
        switch (rule.back) {
        case WayBack::Anywhere:
            if (mayMatch(rule.backward, node->op))
                ruleAt(flat, path, rule, rule.backward, budget, false, out);
            break;
        case WayBack::IntoTerm:
            if (parent == dual && !isConstant(node, true) && !isConstant(node, false))
                ruleAt(flat, path, rule, rule.backward, budget, false, out);
            break;
        case WayBack::ForEachLetter:
            if (parent == dual && node->op == rule.forward.right->op)
                for (char letter : letters)
                    out.push_back({rule.law, replacedAt(flat, path,
                                                        withEveryLetter(rule.forward.left,
                                                                        formulas::variable(letter)))});
            break;
        case WayBack::Never:
            break;
        }
    }
}

} // namespace

LawSet allLaws() { return LawSet().set(); }

LawSet basicLaws() {
    LawSet laws;
    for (std::size_t law = 0; law < basicLawCount; ++law)
        laws.set(law);
    return laws;
}

std::vector<Rewrite> lawRewrites(const Tree &given, const LawSet &laws) {
    std::vector<Rewrite> rewrites;
    const Tree flat = flattened(given);
    std::size_t budget = lawMatchBudget;
    Path path;
    everyNode(flat, Operator::False, path, [&](const Tree &node, Operator, const Path &at) {
        forwardAt(flat, node, at, laws, budget, false, rewrites);
    });
    return rewrites;
}

std::vector<Rewrite> localRewrites(const Tree &node, const LawSet &laws) {
    std::vector<Rewrite> rewrites;
    std::size_t budget = lawMatchBudget;
    forwardAt(node, node, {}, laws, budget, true, rewrites);
    return rewrites;
}

std::vector<Rewrite> searchMoves(const Tree &given, const LawSet &laws, const std::vector<char> &letters) {
    const Tree flat = flattened(given);
    std::vector<Rewrite> moves = lawRewrites(flat, laws);
    std::size_t budget = lawMatchBudget;
    Path path;
    everyNode(flat, Operator::False, path, [&](const Tree &node, Operator parent, const Path &at) {
        backwardAt(flat, node, parent, at, laws, letters, budget, moves);
    });
    return moves;
}

} // namespace derivations
