// SPDX-License-Identifier: GPL-3.0-or-later
#include "minimal_forms.h"

#include "cover_search.h"

#include <algorithm>
#include <bit>
#include <set>
#include <utility>

namespace derivations {
namespace {

bool validCount(int variableCount) { return variableCount >= 0 && variableCount <= maxMinimalFormVariables; }

std::uint64_t allRows(int variableCount) {
    return variableCount == 6 ? ~std::uint64_t(0) : (std::uint64_t(1) << (1 << variableCount)) - 1;
}

// How a term sorts: variable by variable, the plain literal, then the negated
// one, then none. In a clause the literals are the negations of the fixed
// values, so there a fixed 0 reads as the plain literal.
std::vector<int> sortKey(int variableCount, Term term, bool clause) {
    std::vector<int> key;
    for (int v = 0; v < variableCount; ++v) {
        const std::uint32_t bit = std::uint32_t(1) << (variableCount - 1 - v);
        const bool plain = ((term.value & bit) != 0) != clause;
        key.push_back(!(term.care & bit) ? 2 : plain ? 0 : 1);
    }
    return key;
}

std::vector<Cover> orderedCovers(int variableCount, std::vector<Cover> covers, bool clause) {
    using Keys = std::vector<std::vector<int>>;
    std::vector<std::pair<Keys, Cover>> keyed;
    for (Cover &cover : covers) {
        std::sort(cover.begin(), cover.end(), [&](Term a, Term b) {
            return sortKey(variableCount, a, clause) < sortKey(variableCount, b, clause);
        });
        Keys keys;
        for (Term term : cover)
            keys.push_back(sortKey(variableCount, term, clause));
        keyed.emplace_back(std::move(keys), std::move(cover));
    }
    std::sort(keyed.begin(), keyed.end(), [](const auto &a, const auto &b) { return a.first < b.first; });
    std::vector<Cover> ordered;
    for (auto &entry : keyed)
        ordered.push_back(std::move(entry.second));
    return ordered;
}

std::vector<Cover> minimalCovers(int variableCount, std::uint64_t ones, std::size_t limit, bool clause) {
    if (!validCount(variableCount) || limit == 0)
        return {};
    const std::vector<Term> primes = primeImplicants(variableCount, ones);
    std::vector<Cover> covers;
    for (const auto &indices : cheapestCovers(variableCount, ones & allRows(variableCount), primes,
                                              CoverCost::LiteralsThenTerms, limit)
                                   .covers) {
        Cover cover;
        for (std::size_t index : indices)
            cover.push_back(primes[index]);
        covers.push_back(std::move(cover));
    }
    return orderedCovers(variableCount, std::move(covers), clause);
}

} // namespace

std::uint64_t rowsOf(int variableCount, Term term) {
    std::uint64_t rows = 0;
    for (int row = 0; validCount(variableCount) && row < (1 << variableCount); ++row)
        if ((std::uint32_t(row) & term.care) == (term.value & term.care))
            rows |= std::uint64_t(1) << row;
    return rows;
}

int literalCount(Term term) { return std::popcount(term.care); }

std::vector<Term> primeImplicants(int variableCount, std::uint64_t truth) {
    if (!validCount(variableCount))
        return {};
    truth &= allRows(variableCount);
    const std::uint32_t everyBit = (std::uint32_t(1) << variableCount) - 1;
    std::set<std::pair<std::uint32_t, std::uint32_t>> level; // (care, value)
    for (int row = 0; row < (1 << variableCount); ++row)
        if (truth >> row & 1)
            level.emplace(everyBit, std::uint32_t(row));
    // Glue terms that differ in one fixed bit; a term glued with none is prime.
    std::vector<Term> primes;
    while (!level.empty()) {
        const std::vector<std::pair<std::uint32_t, std::uint32_t>> terms(level.begin(), level.end());
        std::vector<char> glued(terms.size(), 0);
        std::set<std::pair<std::uint32_t, std::uint32_t>> next;
        for (std::size_t i = 0; i < terms.size(); ++i)
            for (std::size_t j = i + 1; j < terms.size(); ++j) {
                const std::uint32_t difference = terms[i].second ^ terms[j].second;
                if (terms[i].first != terms[j].first || std::popcount(difference) != 1)
                    continue;
                next.emplace(terms[i].first & ~difference, terms[i].second & ~difference);
                glued[i] = glued[j] = 1;
            }
        for (std::size_t i = 0; i < terms.size(); ++i)
            if (!glued[i])
                primes.push_back({terms[i].first, terms[i].second});
        level = std::move(next);
    }
    std::sort(primes.begin(), primes.end(), [&](Term a, Term b) {
        return sortKey(variableCount, a, false) < sortKey(variableCount, b, false);
    });
    return primes;
}

std::vector<Cover> minimalSumsOfProducts(int variableCount, std::uint64_t truth, std::size_t limit) {
    return minimalCovers(variableCount, truth, limit, false);
}

std::vector<Cover> minimalProductsOfSums(int variableCount, std::uint64_t truth, std::size_t limit) {
    return minimalCovers(variableCount, ~truth, limit, true);
}

int fewestTermCount(int variableCount, std::uint64_t truth) {
    if (!validCount(variableCount))
        return -1;
    truth &= allRows(variableCount);
    const auto result = cheapestCovers(variableCount, truth, primeImplicants(variableCount, truth),
                                       CoverCost::TermsThenLiterals, 1);
    return result.covers.empty() ? -1 : int(result.covers.front().size());
}

} // namespace derivations
