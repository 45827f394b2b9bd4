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

bool equivalent(const Tree &a, const Tree &b) {
    const std::vector<char> letters = lettersOf(a, b);
    return truthOf(a, letters) == truthOf(b, letters);
}

// Where the two formulas have the same operator and differ in some of their
// operands, each differing operand keeping its value, the laws worked inside
// those operands: the pairs that differ, in order. None where the step is not
// of that shape.
std::vector<std::pair<Tree, Tree>> differingParts(const Tree &before, const Tree &after) {
    if (before->op != after->op || before->operands.empty())
        return {};
    std::vector<std::pair<Tree, Tree>> parts;
    if (isChain(before)) {
        // Take out the operands both sides share, then pair the rest by value.
        std::vector<Tree> left = before->operands, right = after->operands;
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
        if (left.empty() || left.size() != right.size())
            return {};
        for (const Tree &item : left) {
            const auto match = std::find_if(right.begin(), right.end(),
                                            [&](const Tree &other) { return equivalent(item, other); });
            if (match == right.end())
                return {};
            parts.push_back({item, *match});
            right.erase(match);
        }
        return parts;
    }
    if (before->operands.size() != after->operands.size())
        return {};
    for (std::size_t i = 0; i < before->operands.size(); ++i)
        if (!same(before->operands[i], after->operands[i])) {
            if (!equivalent(before->operands[i], after->operands[i]))
                return {};
            parts.push_back({before->operands[i], after->operands[i]});
        }
    return parts;
}

// Several operands of a chain changed into a different number of operands:
// the laws worked among them when those operands alone keep their value.
std::pair<Tree, Tree> narrowed(const Tree &before, const Tree &after) {
    if (before->op != after->op || !isChain(before))
        return {before, after};
    std::vector<Tree> left = before->operands, right = after->operands;
    for (std::size_t i = 0; i < left.size();) {
        const auto match =
            std::find_if(right.begin(), right.end(), [&](const Tree &other) { return same(left[i], other); });
        if (match == right.end()) {
            ++i;
            continue;
        }
        right.erase(match);
        left.erase(left.begin() + std::ptrdiff_t(i));
    }
    if (left.empty() || right.empty() || left.size() == before->operands.size())
        return {before, after};
    const Tree from = chainOf(before->op, left), to = chainOf(before->op, right);
    if (!equivalent(from, to))
        return {before, after};
    return {from, to};
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

namespace {

// Up to maxLaws laws from one formula to the other by searching from both;
// `kept` counts the formulas kept by every search of one step together.
std::vector<LawId> searched(const Tree &from, const Tree &to, std::size_t maxLaws, std::size_t &kept) {
    if (sizeOf(from) + sizeOf(to) > bigStepSymbols)
        return {};
    Side sides[2]{Side(from), Side(to)};
    std::vector<LawId> best;
    // Both sides one layer, then both a second; the last layer of each only
    // meets the other's start. Every split of up to maxLaws laws between a
    // forward part from F and a backward part from G is tried.
    for (std::size_t round = 0; round < 2 * maxLaws; ++round) {
        const std::size_t s = round % 2, depth = round / 2;
        const bool last = depth + 1 == maxLaws;
        Side &side = sides[s];
        const Side &other = sides[1 - s];
        std::vector<std::pair<std::string, Tree>> next;
        for (const auto &[key, formula] : side.layer) {
            for (Rewrite &rewrite : lawRewrites(formula, allLaws())) {
                std::string reached = acKey(rewrite.result);
                if (side.seen.count(reached))
                    continue;
                side.seen.emplace(reached, Reached{key, rewrite.law, depth + 1});
                ++kept;
                const auto met = other.seen.find(reached);
                if (met != other.seen.end() && depth + 1 + met->second.depth <= maxLaws) {
                    std::vector<LawId> laws = sides[0].lawsTo(reached), back = sides[1].lawsTo(reached);
                    laws.insert(laws.end(), back.rbegin(), back.rend());
                    if (best.empty() || laws.size() < best.size())
                        best = std::move(laws);
                    if (best.size() <= 2 || best.size() <= depth + 1)
                        return best;
                }
                if (!last)
                    next.push_back({std::move(reached), std::move(rewrite.result)});
            }
            if (kept > bigStepStates)
                return best;
        }
        side.layer = std::move(next);
    }
    return best;
}

// The laws, at most maxLaws, that turn one formula into the other: where
// the two differ only inside some operands, the laws of each part in turn
// (each part searched on its own is far smaller than the whole); otherwise
// a search of the whole.
std::vector<LawId> lawsBetween(const Tree &before, const Tree &after, std::size_t maxLaws,
                               std::size_t &kept) {
    if (same(before, after))
        return {};
    const std::vector<std::pair<Tree, Tree>> parts = differingParts(before, after);
    if (!parts.empty() && parts.size() <= maxLaws) {
        std::vector<LawId> laws;
        bool found = true;
        for (std::size_t i = 0; i < parts.size() && found; ++i) {
            // Every later part needs at least one law of its own.
            const std::size_t room = maxLaws - laws.size() - (parts.size() - 1 - i);
            const std::vector<LawId> part = lawsBetween(parts[i].first, parts[i].second, room, kept);
            found = !part.empty();
            laws.insert(laws.end(), part.begin(), part.end());
        }
        if (found)
            return laws;
        if (parts.size() == 1)
            return {};
    }
    const auto [from, to] = narrowed(before, after);
    return searched(from, to, maxLaws, kept);
}

} // namespace

std::vector<LawId> lawsOfBigStep(const Tree &before, const Tree &after) {
    std::size_t kept = 0;
    return lawsBetween(flattened(before), flattened(after), bigStepDepth, kept);
}

} // namespace derivations
