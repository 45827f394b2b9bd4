// SPDX-License-Identifier: GPL-3.0-or-later
#include "big_step.h"

#include "tree_helpers.h"

#include <algorithm>
#include <string>
#include <unordered_map>

namespace derivations {

namespace {

// Formulas kept by both sides together: a step on a formula of a hundred
// symbols stays within a few tens of milliseconds.
constexpr std::size_t bigStepStates = 6000;
// Two or three laws: a longer step is a derivation of its own.
constexpr std::size_t bigStepDepth = 3;
// Past this many symbols in the part that changed, every state costs a
// rewrite of a very long formula: the step is called big without its laws.
constexpr std::size_t bigStepSymbols = 300;

// Where the two formulas differ in one operand only (the rest the same up
// to order), the step happened inside it: the search looks there.
std::pair<Tree, Tree> focused(Tree before, Tree after) {
    for (;;) {
        if (before->op != after->op || before->operands.size() != after->operands.size() ||
            before->operands.empty())
            return {before, after};
        std::vector<Tree> left = before->operands, right = after->operands;
        if (isChain(before)) {
            // Take out the operands both sides share.
            for (std::size_t i = 0; i < left.size();) {
                const auto match = std::find_if(right.begin(), right.end(),
                                                [&](const Tree &other) { return same(left[i], other); });
                if (match == right.end()) {
                    ++i;
                    continue;
                }
                right.erase(match);
                left.erase(left.begin() + std::ptrdiff_t(i));
            }
        } else {
            std::vector<Tree> differing[2];
            for (std::size_t i = 0; i < left.size(); ++i)
                if (!same(left[i], right[i])) {
                    differing[0].push_back(left[i]);
                    differing[1].push_back(right[i]);
                }
            left = differing[0];
            right = differing[1];
        }
        // Only one pair left that keeps its value: the context played no part.
        if (left.size() != 1 || right.size() != 1)
            return {before, after};
        const std::vector<char> letters = lettersOf(left[0], right[0]);
        if (truthOf(left[0], letters) != truthOf(right[0], letters))
            return {before, after};
        before = left[0];
        after = right[0];
    }
}

struct Reached {
    std::string parent; // empty at the start
    LawId law;
    std::size_t depth;
};

// One side: the formulas its start reaches by laws applied left to right,
// layer by layer; the other side's such steps are read backwards.
struct Side {
    std::unordered_map<std::string, Reached> seen;
    std::vector<std::pair<std::string, Tree>> layer;

    explicit Side(const Tree &start) {
        const std::string key = acKey(start);
        seen.emplace(key, Reached{{}, LawId::Commutative, 0});
        layer.push_back({key, start});
    }
    std::vector<LawId> lawsTo(std::string key) const {
        std::vector<LawId> laws;
        while (!seen.at(key).parent.empty()) {
            laws.push_back(seen.at(key).law);
            key = seen.at(key).parent;
        }
        std::reverse(laws.begin(), laws.end());
        return laws;
    }
};

} // namespace

std::vector<LawId> lawsOfBigStep(const Tree &before, const Tree &after) {
    const auto [from, to] = focused(flattened(before), flattened(after));
    if (sizeOf(from) + sizeOf(to) > bigStepSymbols)
        return {};
    Side sides[2]{Side(from), Side(to)};
    std::vector<LawId> best;
    // Both sides one layer, then both a second; the third layer of each only
    // meets the other's start. Every split of up to three laws between a
    // forward part from F and a backward part from G is tried.
    for (std::size_t round = 0; round < 2 * bigStepDepth; ++round) {
        const std::size_t s = round % 2, depth = round / 2;
        const bool last = depth + 1 == bigStepDepth;
        Side &side = sides[s];
        const Side &other = sides[1 - s];
        std::vector<std::pair<std::string, Tree>> next;
        for (const auto &[key, formula] : side.layer) {
            for (Rewrite &rewrite : lawRewrites(formula, allLaws())) {
                std::string reached = acKey(rewrite.result);
                if (side.seen.count(reached))
                    continue;
                side.seen.emplace(reached, Reached{key, rewrite.law, depth + 1});
                const auto met = other.seen.find(reached);
                if (met != other.seen.end() && depth + 1 + met->second.depth <= bigStepDepth) {
                    std::vector<LawId> laws = sides[0].lawsTo(reached), back = sides[1].lawsTo(reached);
                    laws.insert(laws.end(), back.rbegin(), back.rend());
                    if (best.empty() || laws.size() < best.size())
                        best = std::move(laws);
                    if (best.size() <= 2)
                        return best;
                }
                if (!last)
                    next.push_back({std::move(reached), std::move(rewrite.result)});
            }
            if (sides[0].seen.size() + sides[1].seen.size() > bigStepStates)
                return best;
        }
        side.layer = std::move(next);
    }
    return best;
}

} // namespace derivations
