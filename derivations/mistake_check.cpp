// SPDX-License-Identifier: GPL-3.0-or-later
#include "mistake_check.h"

#include "patterns.h"

#include <utility>
#include <vector>

namespace derivations {

namespace {

// Matches tried for one pattern at every node: far more than a step of a
// hundred symbols needs, and a bound on a pathological one.
constexpr std::size_t mistakeMatchBudget = 50'000;

// Every mistake's patterns, compiled once, in table order.
const std::vector<std::pair<MistakeId, Pattern>> &mistakePatterns() {
    static const std::vector<std::pair<MistakeId, Pattern>> patterns = [] {
        std::vector<std::pair<MistakeId, Pattern>> all;
        for (std::size_t m = 0; m < mistakeCount; ++m) {
            const MistakeEntry &entry = mistakeEntry(MistakeId(m));
            for (const Sides &sides : entry.instances) {
                all.push_back({MistakeId(m), compiledPattern(sides.left, sides.right, false, entry.spread)});
                if (entry.bothWays)
                    all.push_back(
                        {MistakeId(m), compiledPattern(sides.right, sides.left, false, entry.spread)});
            }
        }
        return all;
    }();
    return patterns;
}

} // namespace

std::optional<MistakeId> mistakeBetween(const Tree &before, const Tree &after) {
    const Tree flat = flattened(before);
    const std::string goal = acKey(after);
    for (const auto &[mistake, pattern] : mistakePatterns()) {
        bool found = false;
        std::size_t budget = mistakeMatchBudget;
        patternRewrites(flat, pattern, budget, [&](Tree result) { found = found || acKey(result) == goal; });
        if (found)
            return mistake;
    }
    return std::nullopt;
}

} // namespace derivations
