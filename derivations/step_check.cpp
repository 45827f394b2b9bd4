// SPDX-License-Identifier: GPL-3.0-or-later
#include "step_check.h"

#include "big_step.h"
#include "law_patterns.h"
#include "mistake_check.h"
#include "rewrites.h"

#include <bit>

namespace derivations {

namespace {

// The laws that turn one formula into the other once at one place.
LawSet lawsBetween(const Tree &before, const Tree &after, const LawSet &laws) {
    LawSet found;
    const std::string beforeKey = acKey(before), afterKey = acKey(after);
    for (const Rewrite &rewrite : lawRewritesToward(before, after, laws))
        if (!found[std::size_t(rewrite.law)] && acKey(rewrite.result) == afterKey)
            found.set(std::size_t(rewrite.law));
    for (const Rewrite &rewrite : lawRewritesToward(after, before, laws))
        if (!found[std::size_t(rewrite.law)] && acKey(rewrite.result) == beforeKey)
            found.set(std::size_t(rewrite.law));
    return found;
}

LawId firstOf(const LawSet &laws) {
    for (std::size_t law = 0; law < lawCount; ++law)
        if (laws[law])
            return LawId(law);
    return LawId();
}

} // namespace

std::optional<Counterexample> counterexampleOf(const Tree &before, const Tree &after) {
    Counterexample example;
    example.letters = lettersOf(before, after);
    const auto left = truthOf(before, example.letters), right = truthOf(after, example.letters);
    for (std::size_t word = 0; word < left.size(); ++word) {
        const std::uint64_t differ = left[word] ^ right[word];
        if (!differ)
            continue;
        const int bit = std::countr_zero(differ);
        example.row = std::uint32_t(word * 64 + std::size_t(bit));
        example.before = (left[word] >> bit) & 1;
        example.after = (right[word] >> bit) & 1;
        return example;
    }
    return std::nullopt;
}

bool isStepBy(const Tree &before, const Tree &after, LawId law) {
    if (reordersOnly(law)) {
        const StepVerdict verdict = checkStep(before, after);
        return verdict.kind == VerdictKind::Correct && verdict.law == law;
    }
    return lawsBetween(before, after, LawSet().set(std::size_t(law))).any();
}

std::optional<LawId> singleLawBetween(const Tree &before, const Tree &after) {
    if (acKey(before) == acKey(after)) {
        if (formulas::sameTree(before, after))
            return std::nullopt;
        if (groupingKey(before) == groupingKey(after))
            return regroupingLaw();
        if (orderKey(before) == orderKey(after))
            return reorderingLaw();
        return std::nullopt;
    }
    const LawSet found = lawsBetween(before, after, allLaws());
    if (found.any())
        return firstOf(found);
    return std::nullopt;
}

StepVerdict checkStep(const Tree &before, const Tree &after, std::optional<LawId> claimed) {
    StepVerdict verdict;
    if (auto example = counterexampleOf(before, after)) {
        if (const auto mistake = mistakeBetween(before, after)) {
            verdict.kind = VerdictKind::CommonMistake;
            verdict.mistake = *mistake;
            return verdict;
        }
        verdict.kind = VerdictKind::Wrong;
        verdict.counterexample = std::move(*example);
        return verdict;
    }
    const auto named = [&](LawId law) {
        verdict.law = law;
        verdict.kind = !claimed || *claimed == law ? VerdictKind::Correct : VerdictKind::CorrectOtherLaw;
        return verdict;
    };
    if (acKey(before) == acKey(after)) {
        // Reordering and regrouping on their own.
        if (formulas::sameTree(before, after)) {
            verdict.kind = VerdictKind::Unchanged;
            return verdict;
        }
        if (groupingKey(before) == groupingKey(after))
            return named(regroupingLaw());
        if (orderKey(before) == orderKey(after))
            return named(reorderingLaw());
        verdict.kind = VerdictKind::BigStep;
        verdict.laws = {reorderingLaw(), regroupingLaw()};
        return verdict;
    }
    const LawSet found = lawsBetween(before, after, allLaws());
    if (found.any())
        return named(claimed && found[std::size_t(*claimed)] ? *claimed : firstOf(found));
    verdict.kind = VerdictKind::BigStep;
    verdict.laws = lawsOfBigStep(before, after);
    return verdict;
}

} // namespace derivations
