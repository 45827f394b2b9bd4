// SPDX-License-Identifier: GPL-3.0-or-later
#include "rewrites.h"

#include "law_patterns.h"
#include "tree_helpers.h"

#include <algorithm>
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
    // Every split of a spread letter's operands spreads to the same result: once is enough.
    std::vector<Tree> spread;
    matchesAt(flat, path, pattern, budget, [&](const MatchedPlace &place) {
        const auto &make = local ? place.local : place.whole;
        if (Tree made = make(pattern.right, false))
            out.push_back({rule.law, std::move(made)});
        if (!place.spreads)
            return;
        Tree made = make(pattern.right, true);
        if (!made || std::any_of(spread.begin(), spread.end(), [&](const Tree &t) { return same(t, made); }))
            return;
        spread.push_back(made);
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

void everyPathUnder(const Tree &node, Path &path, std::vector<Path> &out) {
    out.push_back(path);
    for (std::size_t i = 0; i < node->operands.size(); ++i) {
        path.push_back(i);
        everyPathUnder(node->operands[i], path, out);
        path.pop_back();
    }
}

// The places of `from` (flattened) where one rewrite may give `to`
// (flattened): a rewrite changes its node only, so above it the two agree
// but for the one operand that holds it.
void placesToward(const Tree &from, const Tree &to, Path &path, std::vector<Path> &out) {
    out.push_back(path);
    if (from->op != to->op || from->operands.empty())
        return;
    if (!isChain(from)) {
        if (from->operands.size() != to->operands.size())
            return;
        std::vector<std::size_t> differing;
        for (std::size_t i = 0; i < from->operands.size() && differing.size() < 2; ++i)
            if (!same(from->operands[i], to->operands[i]))
                differing.push_back(i);
        if (differing.size() != 1)
            return;
        path.push_back(differing[0]);
        placesToward(from->operands[differing[0]], to->operands[differing[0]], path, out);
        path.pop_back();
        return;
    }
    // A chain: the operands that only `from` has, and those only `to` has.
    std::vector<bool> matched(to->operands.size());
    std::vector<std::size_t> removed;
    for (std::size_t i = 0; i < from->operands.size() && removed.size() < 2; ++i) {
        std::size_t j = 0;
        while (j < to->operands.size() && (matched[j] || !same(from->operands[i], to->operands[j])))
            ++j;
        if (j == to->operands.size())
            removed.push_back(i);
        else
            matched[j] = true;
    }
    if (removed.size() != 1)
        return;
    std::vector<Tree> added;
    for (std::size_t j = 0; j < to->operands.size(); ++j)
        if (!matched[j])
            added.push_back(to->operands[j]);
    path.push_back(removed[0]);
    const Tree &changed = from->operands[removed[0]];
    if (added.size() == 1) {
        placesToward(changed, added[0], path, out);
    } else {
        // The operand became several: a chain of the same operator spliced in.
        everyPathUnder(changed, path, out);
    }
    path.pop_back();
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

std::vector<Rewrite> lawRewritesToward(const Tree &tree, const Tree &goal, const LawSet &laws) {
    std::vector<Rewrite> rewrites;
    const Tree flat = flattened(tree);
    std::vector<Path> places;
    Path path;
    placesToward(flat, flattened(goal), path, places);
    std::size_t budget = lawMatchBudget;
    for (const Path &at : places) {
        const Tree *node = &flat;
        for (std::size_t i : at)
            node = &(*node)->operands[i];
        forwardAt(flat, *node, at, laws, budget, false, rewrites);
    }
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
