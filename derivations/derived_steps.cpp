// SPDX-License-Identifier: GPL-3.0-or-later
#include "derived_steps.h"

#include "law_patterns.h"

namespace derivations {

namespace {

// Matches tried in looking for the place of one derived step: far more than
// a step of a few hundred symbols needs.
constexpr std::size_t placeMatchBudget = 200'000;

// The rule's proof at the place where one of `law`'s rules turns `before`
// into `after`, each line in its context.
std::optional<StepChain> forwards(const Tree &before, const Tree &after, LawId law) {
    const Tree flat = flattened(before);
    const std::string goal = acKey(after);
    std::size_t budget = placeMatchBudget;
    std::optional<StepChain> found;
    for (const CompiledRule &rule : compiledRules()) {
        if (rule.law != law || rule.proof.empty())
            continue;
        forEachPath(flat, [&](const std::vector<std::size_t> &path) {
            if (found)
                return;
            matchesAt(flat, path, rule.forward, budget, [&](const MatchedPlace &place) {
                if (found)
                    return;
                const Tree result = place.whole(rule.forward.right, false);
                if (!result || acKey(result) != goal)
                    return;
                StepChain chain{{before, law}};
                for (const auto &[line, lineLaw] : rule.proof) {
                    Tree formula = place.whole(line, false);
                    if (!formula)
                        return;
                    chain.push_back({std::move(formula), lineLaw});
                }
                chain.back().first = after;
                found = std::move(chain);
            });
        });
        if (found)
            return found;
    }
    return std::nullopt;
}

} // namespace

std::optional<StepChain> basicStepsOf(const Tree &before, const Tree &after, LawId law) {
    if (isBasic(law))
        return std::nullopt;
    if (auto chain = forwards(before, after, law))
        return chain;
    auto back = forwards(after, before, law);
    if (!back)
        return std::nullopt;
    // Read backwards, each step keeps its law.
    StepChain chain{{before, law}};
    for (std::size_t i = back->size() - 1; i-- > 0;)
        chain.push_back({(*back)[i].first, (*back)[i + 1].second});
    return chain;
}

} // namespace derivations
