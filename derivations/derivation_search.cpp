// SPDX-License-Identifier: GPL-3.0-or-later
#include "derivation_search.h"

#include "derived_steps.h"
#include "law_catalogue.h"
#include "law_patterns.h"
#include "minimal_forms.h"
#include "sum_of_products.h"

#include <algorithm>
#include <deque>
#include <optional>
#include <unordered_map>

namespace derivations {

namespace {

// When a search must stop: only when someone cancelled it. Every other
// bound is a count, so that the answer never depends on the machine.
struct Limit {
    const std::atomic<bool> *cancelled = nullptr;
    bool over() const { return cancelled && cancelled->load(std::memory_order_relaxed); }
};

// A sum of minterms past this many symbols is no derivation a reader follows.
constexpr std::size_t maxFormulaSize = 400;
// The first meeting search: enough for every catalogue row by the basic laws
// and most exercises, small enough that a failure costs a few milliseconds.
constexpr std::size_t firstMeetingStates = 3000;
// The meeting search with the derived laws as moves: each of its steps
// expands to several basic ones, so fewer states reach as far.
constexpr std::size_t derivedMeetingStates = 3000;
// Its chains of derived steps: eight of them already write out to dozens.
constexpr std::size_t derivedMeetingSteps = 8;
// The longer meeting search, tried only when the others fail: about half a
// second of work on a 2-core machine.
constexpr std::size_t longMeetingStates = 20'000;
// Meeting two sums of products: they differ in few products, a dozen steps.
constexpr std::size_t sumsMeetingStates = 3000;
constexpr std::size_t sumsMeetingSteps = 12;
// A later formula one law reaches is looked for this far ahead: farther
// shortcuts are rare and each look is a step check.
constexpr std::size_t shortcutReach = 40;
// The looks for shortcuts, each counted as the squares of the two formulas'
// sizes (a look rewrites both at every node): a long chain of long formulas
// is left as it is rather than looked over for minutes.
constexpr std::size_t shortcutSymbols = 4'000'000;
// The minterm route may take this many times the chain's own bound.
constexpr std::size_t mintermStepFactor = 4;
// A long formula takes many small steps to its minimal sum.
constexpr std::size_t simplifySteps = 250;
// The inside-out route takes every part to its minimal sum on its own, so
// its chains are longer; a formula of 60 symbols stays well within this.
constexpr std::size_t insideOutSteps = 2000;
// The inside-out route is for formulas a person types (60 symbols and well
// beyond); past this, a part-by-part route takes minutes, and the search
// says it stopped instead.
constexpr std::size_t insideOutSymbols = 200;

struct Visit {
    Tree formula;
    std::string parent; // key of the formula it came from; empty at the start
    LawId law;
    std::size_t depth;
};

// One side of the meeting searches: breadth first, every formula once.
struct Side {
    std::unordered_map<std::string, Visit> seen;
    std::deque<std::string> frontier;

    void start(const Tree &formula) {
        const std::string key = acKey(formula);
        seen.emplace(key, Visit{formula, {}, LawId(), 0});
        frontier.push_back(key);
    }
    // The formulas from the start to `key`, with the law of each step.
    std::vector<std::pair<Tree, LawId>> pathTo(const std::string &key) const {
        std::vector<std::pair<Tree, LawId>> path;
        for (std::string at = key; !at.empty();) {
            const Visit &visit = seen.at(at);
            path.push_back({visit.formula, visit.law});
            at = visit.parent;
        }
        std::reverse(path.begin(), path.end());
        return path;
    }
};

using Chain = std::vector<std::pair<Tree, LawId>>; // the first law is unused

// The meeting searches; a chain from `from` to `to`, or none within bounds.
std::optional<Chain> meetInTheMiddle(const Tree &from, const Tree &to, const LawSet &laws,
                                     const SearchBounds &bounds, const Limit &deadline) {
    const std::vector<char> letters = lettersOf(from, to);
    const std::size_t sizeLimit = std::max(sizeOf(from), sizeOf(to)) + 8;
    std::array<Side, 2> sides;
    sides[0].start(from);
    sides[1].start(to);
    const auto joined = [&](const std::string &key) {
        Chain chain = sides[0].pathTo(key);
        const Chain back = sides[1].pathTo(key);
        // The backward side's steps read in the other direction: each keeps its law.
        for (std::size_t i = back.size() - 1; i-- > 0;)
            chain.push_back({back[i].first, back[i + 1].second});
        return chain;
    };
    if (sides[0].seen.count(acKey(to)))
        return joined(acKey(to));
    const std::size_t maxDepth = bounds.maxSteps;
    while (!sides[0].frontier.empty() || !sides[1].frontier.empty()) {
        // The smaller frontier grows first.
        const std::size_t s =
            sides[1].frontier.empty() ||
                    (!sides[0].frontier.empty() && sides[0].frontier.size() <= sides[1].frontier.size())
                ? 0
                : 1;
        Side &side = sides[s];
        const std::string key = side.frontier.front();
        side.frontier.pop_front();
        const Visit visit = side.seen.at(key);
        if (visit.depth * 2 >= maxDepth + 1)
            continue;
        for (Rewrite &move : searchMoves(visit.formula, laws, letters)) {
            if (sizeOf(move.result) > sizeLimit)
                continue;
            std::string next = acKey(move.result);
            if (side.seen.count(next))
                continue;
            side.seen.emplace(next, Visit{move.result, key, move.law, visit.depth + 1});
            if (sides[1 - s].seen.count(next)) {
                const Chain chain = joined(next);
                if (chain.size() - 1 <= maxDepth)
                    return chain;
            }
            side.frontier.push_back(std::move(next));
        }
        if (sides[0].seen.size() + sides[1].seen.size() > bounds.maxStates || deadline.over())
            return std::nullopt;
    }
    return std::nullopt;
}

// The formula rewritten into the sum of all its minterms over `letters`,
// step by step; none where it gets stuck or too long.
std::optional<Chain> towardsMinterms(const Tree &formula, const std::vector<char> &letters,
                                     std::size_t maxSteps, const Limit &deadline, bool expand) {
    Chain chain{{formula, LawId()}};
    const LawSet reducing = reducingLaws();
    while (chain.size() <= maxSteps + 1) {
        if (deadline.over())
            return std::nullopt;
        const Tree &now = chain.back().first;
        if (sizeOf(now) > maxFormulaSize)
            return std::nullopt;
        const auto distance = distanceFromSum(now);
        std::optional<Rewrite> best;
        std::array<double, 4> bestDistance = distance;
        for (Rewrite &rewrite : lawRewrites(now, reducing)) {
            const auto after = distanceFromSum(rewrite.result);
            if (after < bestDistance) {
                bestDistance = after;
                best = std::move(rewrite);
            }
        }
        if (best) {
            chain.push_back({best->result, best->law});
            continue;
        }
        if (distance[0] + distance[1] + distance[2] > 0) {
            return std::nullopt;
            if (!expand)
                return chain;
        }
        // A sum of products: a term short of a letter Y becomes
        // T ^ 1, T ^ (Y v !Y), T ^ Y v T ^ !Y.
        const std::vector<Tree> terms = itemsOf(Operator::Or, now);
        if (terms.size() == 1 && now->op == Operator::True) {
            if (letters.empty())
                return chain;
            const Tree y = formulas::variable(letters[0]);
            chain.push_back({chainOf(Operator::Or, {y, formulas::negation(y)}), LawId::ExcludedMiddle});
            continue;
        }
        bool expanded = false;
        for (std::size_t t = 0; t < terms.size() && !expanded; ++t) {
            if (terms[t]->op == Operator::False)
                continue;
            const std::uint32_t has = formulas::lettersOf(terms[t]);
            for (char letter : letters) {
                if ((has >> (letter - 'A')) & 1)
                    continue;
                const auto withTerm = [&](Tree term) {
                    std::vector<Tree> all = terms;
                    all[t] = std::move(term);
                    return chainOf(Operator::Or, std::move(all));
                };
                const Tree y = formulas::variable(letter), notY = formulas::negation(y);
                chain.push_back(
                    {withTerm(chainOf(Operator::And, {terms[t], formulas::constant(true)})), LawId::Neutral});
                chain.push_back(
                    {withTerm(chainOf(Operator::And, {terms[t], chainOf(Operator::Or, {y, notY})})),
                     LawId::ExcludedMiddle});
                chain.push_back({withTerm(chainOf(Operator::Or, {chainOf(Operator::And, {terms[t], y}),
                                                                 chainOf(Operator::And, {terms[t], notY})})),
                                 LawId::Distributive});
                expanded = true;
                break;
            }
        }
        if (!expanded)
            return chain;
    }
    return std::nullopt;
}

// The steps of `more` (a chain from where `chain` ends) after `chain`.
void append(Chain &chain, const Chain &more) { chain.insert(chain.end(), more.begin() + 1, more.end()); }

// The steps of `back` (a chain from the goal to where `chain` ends) read
// backwards after `chain`: each keeps its law.
void appendReversed(Chain &chain, const Chain &back) {
    for (std::size_t i = back.size() - 1; i-- > 0;)
        chain.push_back({back[i].first, back[i + 1].second});
}

// Both sides to sums of products first, where the meeting searches may join
// them; else on to the sums of all minterms, which are the same.
std::optional<Chain> throughMinterms(const Tree &from, const Tree &to, const LawSet &laws,
                                     std::size_t maxSteps, const Limit &deadline) {
    const std::vector<char> letters = lettersOf(from, to);
    auto there = towardsMinterms(from, letters, maxSteps, deadline, false);
    auto back = towardsMinterms(to, letters, maxSteps, deadline, false);
    if (!there || !back)
        return std::nullopt;
    SearchBounds small;
    small.maxStates = sumsMeetingStates;
    small.maxSteps = sumsMeetingSteps;
    if (auto middle = meetInTheMiddle(there->back().first, back->back().first, laws, small, deadline)) {
        append(*there, *middle);
        appendReversed(*there, *back);
        return there;
    }
    auto thereAll = towardsMinterms(there->back().first, letters, maxSteps, deadline, true);
    auto backAll = towardsMinterms(back->back().first, letters, maxSteps, deadline, true);
    if (!thereAll || !backAll || acKey(thereAll->back().first) != acKey(backAll->back().first))
        return std::nullopt;
    append(*there, *thereAll);
    append(*back, *backAll);
    appendReversed(*there, *back);
    return there;
}

// A later formula that one law reaches straight from an earlier one cuts
// out the steps between.
void shortened(Chain &chain, const LawSet &laws, const Limit &deadline) {
    std::size_t budget = shortcutSymbols;
    for (std::size_t i = 0; i + 2 < chain.size(); ++i)
        for (std::size_t j = std::min(chain.size() - 1, i + shortcutReach); j >= i + 2 && !deadline.over();
             --j) {
            const std::size_t before = sizeOf(chain[i].first), after = sizeOf(chain[j].first);
            const std::size_t cost = before * before + after * after;
            if (cost > budget)
                return;
            budget -= cost;
            const std::optional<LawId> law = singleLawBetween(chain[i].first, chain[j].first);
            if (law && laws[std::size_t(*law)]) {
                chain[j].second = *law;
                chain.erase(chain.begin() + std::ptrdiff_t(i) + 1, chain.begin() + std::ptrdiff_t(j));
                break;
            }
        }
}

// Every step once more: the law named does it, and the values agree.
// A search cancelled here leaves the chain unchecked, and so not returned.
bool rechecked(const Chain &chain, const LawSet &laws, const Limit &limit) {
    for (std::size_t i = 1; i < chain.size(); ++i) {
        const auto &[formula, law] = chain[i];
        if (limit.over() || !laws[std::size_t(law)] || counterexampleOf(chain[i - 1].first, formula) ||
            !isStepBy(chain[i - 1].first, formula, law))
            return false;
    }
    return true;
}

// The laws that follow from the basic ones.
LawSet derivedLaws() { return allLaws() & ~basicLaws(); }

// A chain found with the derived laws too, each step by one of them then
// written out in basic steps.
std::optional<Chain> throughDerivedLaws(const Tree &from, const Tree &to, const LawSet &laws,
                                        const SearchBounds &bounds, const Limit &limit) {
    SearchBounds wider = bounds;
    wider.maxStates = std::min(bounds.maxStates, derivedMeetingStates);
    wider.maxSteps = std::min(bounds.maxSteps, derivedMeetingSteps);
    const auto found = meetInTheMiddle(from, to, laws | derivedLaws(), wider, limit);
    if (!found)
        return std::nullopt;
    Chain chain{found->front()};
    for (std::size_t i = 1; i < found->size(); ++i) {
        const auto &[formula, law] = (*found)[i];
        if (laws[std::size_t(law)]) {
            chain.push_back({formula, law});
            continue;
        }
        const auto steps = basicStepsOf(chain.back().first, formula, law);
        if (!steps)
            return std::nullopt;
        append(chain, *steps);
    }
    return chain;
}

// From a formula to a goal that is a sum of products of the same letters.
std::optional<Chain> throughSumsOfProducts(const Tree &from, const Tree &to, const Limit &limit) {
    const std::vector<char> letters = lettersOf(from, to);
    if (letters.size() > std::size_t(maxMinimalFormVariables))
        return std::nullopt;
    const auto goal = termsOf(to, letters);
    if (!goal)
        return std::nullopt;
    auto chain = stepsToMinimalSum(from, letters, *goal, [&] { return limit.over(); });
    if (!chain || acKey(chain->back().first) != acKey(to))
        return std::nullopt;
    chain->back().first = to;
    return chain;
}

} // namespace

DeriveResult derive(const Tree &from, const Tree &to, const LawSet &laws, SearchBounds bounds) {
    DeriveResult result;
    result.derivation.start = from;
    if (auto example = counterexampleOf(from, to)) {
        result.outcome = DeriveOutcome::NotEquivalent;
        result.counterexample = std::move(*example);
        return result;
    }
    const Limit limit{bounds.cancelled};
    const Tree flatFrom = flattened(from), flatTo = flattened(to);
    std::optional<Chain> chain;
    if (acKey(flatFrom) == acKey(flatTo)) {
        // Order and grouping only: regroup, reorder, regroup.
        chain = Chain{{from, LawId()}};
        for (const auto &[formula, law] :
             {std::pair{flatFrom, regroupingLaw()}, std::pair{flatTo, reorderingLaw()},
              std::pair{to, regroupingLaw()}})
            if (!formulas::sameTree(chain->back().first, formula))
                chain->push_back({formula, law});
    }
    // A short search first; then, where only the basic laws may be used, one
    // with the laws that follow from them; then a longer one; then the sums
    // of minterms. Each is bounded by its own count of states.
    const bool onlyBasic = (laws & derivedLaws()).none() && (basicLaws() & ~laws).none();
    SearchBounds meeting = bounds;
    if (bounds.normalFormFallback || onlyBasic)
        meeting.maxStates = std::min(bounds.maxStates, firstMeetingStates);
    if (!chain)
        chain = meetInTheMiddle(flatFrom, flatTo, laws, meeting, limit);
    if (!chain && onlyBasic)
        chain = throughDerivedLaws(flatFrom, flatTo, laws, bounds, limit);
    // With every law at hand, a goal that is a sum of products is met
    // through the products both sums share.
    if (!chain && bounds.normalFormFallback && (derivedLaws() & ~laws).none() && (basicLaws() & ~laws).none())
        chain = throughSumsOfProducts(flatFrom, flatTo, limit);
    if (!chain && meeting.maxStates < bounds.maxStates) {
        meeting.maxStates = std::min(bounds.maxStates, longMeetingStates);
        chain = meetInTheMiddle(flatFrom, flatTo, laws, meeting, limit);
    }
    if (!chain && bounds.normalFormFallback && (basicLaws() & ~laws).none())
        chain = throughMinterms(flatFrom, flatTo, laws, bounds.maxSteps * mintermStepFactor, limit);
    if (!chain)
        return result;
    // The chain starts from the formula as given.
    (*chain)[0].first = from;
    if (bounds.shorten)
        shortened(*chain, laws, limit);
    if (chain->size() > bounds.maxSteps + 1 || !rechecked(*chain, laws, limit))
        return result;
    for (std::size_t i = 1; i < chain->size(); ++i)
        result.derivation.steps.push_back({(*chain)[i].first, (*chain)[i].second});
    result.outcome = DeriveOutcome::Found;
    return result;
}

DeriveResult deriveCatalogueRow(int row, SearchBounds bounds) {
    if (row < 1 || row > int(catalogue::lawCatalogue.size()))
        return {};
    const std::string_view text = catalogue::lawCatalogue[std::size_t(row - 1)].formula;
    const std::u32string characters(text.begin(), text.end()); // the catalogue is ASCII
    const auto read = formulas::readTree(characters);
    const auto &equation = std::get<formulas::Equation>(read);
    return derive(equation.left, equation.right, basicLaws(), bounds);
}

Tree minimalSumOfProducts(const Tree &formula) {
    const std::vector<char> letters = lettersOf(formula, nullptr);
    const std::vector<Cover> covers =
        minimalSumsOfProducts(int(letters.size()), truthOf(formula, letters)[0], 1);
    return covers.empty() ? formulas::constant(false) : treeOfCover(covers[0], letters);
}

DeriveResult simplify(const Tree &formula) {
    SearchBounds bounds;
    bounds.maxSteps = simplifySteps;
    return simplify(formula, bounds);
}

DeriveResult simplify(const Tree &formula, SearchBounds bounds) {
    DeriveResult result;
    result.derivation.start = formula;
    const std::vector<char> letters = lettersOf(formula, nullptr);
    if (letters.size() > std::size_t(maxMinimalFormVariables))
        return result;
    const Limit limit{bounds.cancelled};
    const std::vector<Cover> covers =
        minimalSumsOfProducts(int(letters.size()), truthOf(formula, letters)[0], 1);
    if (covers.empty())
        return result;
    const auto stop = [&] { return limit.over(); };
    auto chain = stepsToMinimalSum(formula, letters, covers[0], stop);
    bool good = chain && chain->size() <= bounds.maxSteps + 1 && rechecked(*chain, allLaws(), limit);
    if (!good && sizeOf(formula) <= insideOutSymbols) {
        // The systematic route: slower to read, but it gets there.
        chain = stepsInsideOut(formula, letters, covers[0], stop);
        good = chain && chain->size() <= std::max(bounds.maxSteps, insideOutSteps) + 1 &&
               rechecked(*chain, allLaws(), limit);
    }
    if (!good)
        return result;
    for (std::size_t i = 1; i < chain->size(); ++i)
        result.derivation.steps.push_back({(*chain)[i].first, (*chain)[i].second});
    result.outcome = DeriveOutcome::Found;
    return result;
}

} // namespace derivations
