// SPDX-License-Identifier: GPL-3.0-or-later
#include "cover_search.h"

#include <algorithm>
#include <bit>
#include <utility>

namespace derivations {
namespace {

// With at most six variables the search ends far below this; the bound only
// keeps a pathological case from hanging the caller.
constexpr long nodeBudget = 2'000'000;

struct Cost {
    int literals = 0;
    int terms = 0;
};

class Search {
public:
    Search(int variableCount, const std::vector<Term> &primes, CoverCost order, std::size_t limit)
        : order_(order), limit_(limit), rowCount_(1 << variableCount) {
        for (const Term &prime : primes) {
            coverage_.push_back(rowsOf(variableCount, prime));
            literals_.push_back(literalCount(prime));
        }
        primesOfRow_.resize(std::size_t(rowCount_));
        for (std::size_t p = 0; p < primes.size(); ++p)
            for (int row = 0; row < rowCount_; ++row)
                if (coverage_[p] >> row & 1)
                    primesOfRow_[std::size_t(row)].push_back(p);
    }

    CoverSearchResult run(std::uint64_t ones) {
        std::vector<char> available(coverage_.size(), 1);
        std::vector<std::size_t> chosen;
        Cost cost;
        // Essential primes: the only cover of some row.
        for (int row = 0; row < rowCount_; ++row) {
            if (!(ones >> row & 1) || primesOfRow_[std::size_t(row)].size() != 1)
                continue;
            const std::size_t prime = primesOfRow_[std::size_t(row)].front();
            if (!available[prime])
                continue;
            available[prime] = 0;
            chosen.push_back(prime);
            cost = add(cost, prime);
        }
        for (std::size_t prime : chosen)
            ones &= ~coverage_[prime];
        search(ones, available, chosen, cost);
        return {std::move(found_), budget_ > 0};
    }

private:
    Cost add(Cost cost, std::size_t prime) const {
        return {cost.literals + literals_[prime], cost.terms + 1};
    }

    // -1, 0, 1 as a is cheaper than, as cheap as, or dearer than b.
    int compare(Cost a, Cost b) const {
        std::pair first{a.literals, a.terms};
        std::pair second{b.literals, b.terms};
        if (order_ == CoverCost::TermsThenLiterals) {
            first = {a.terms, a.literals};
            second = {b.terms, b.literals};
        }
        return first < second ? -1 : first == second ? 0 : 1;
    }

    // Rows no two of which share an available prime each need a prime of
    // their own: a bound on both the terms and the literals still to come.
    Cost lowerBound(std::uint64_t uncovered, const std::vector<char> &available) const {
        std::vector<std::pair<int, int>> rows; // (available primes, row)
        for (std::uint64_t left = uncovered; left; left &= left - 1) {
            const int row = std::countr_zero(left);
            int count = 0;
            for (std::size_t prime : primesOfRow_[std::size_t(row)])
                count += available[prime];
            rows.emplace_back(count, row);
        }
        std::sort(rows.begin(), rows.end());
        Cost bound;
        std::uint64_t blocked = 0;
        for (const auto &[count, row] : rows) {
            if (blocked >> row & 1)
                continue;
            int cheapest = 1 << 30;
            for (std::size_t prime : primesOfRow_[std::size_t(row)])
                if (available[prime]) {
                    blocked |= coverage_[prime];
                    cheapest = std::min(cheapest, literals_[prime]);
                }
            bound.literals += cheapest;
            bound.terms += 1;
        }
        return bound;
    }

    void search(std::uint64_t uncovered, std::vector<char> available, std::vector<std::size_t> &chosen,
                Cost cost) {
        if (--budget_ <= 0)
            return;
        if (uncovered == 0) {
            record(chosen, cost);
            return;
        }
        if (haveBest_) {
            const Cost bound = lowerBound(uncovered, available);
            const int against = compare({cost.literals + bound.literals, cost.terms + bound.terms}, best_);
            if (against > 0 || (against == 0 && found_.size() >= limit_))
                return;
        }
        // Branch on the uncovered row with the fewest primes left to cover it.
        int branchRow = -1;
        std::size_t fewest = SIZE_MAX;
        for (std::uint64_t left = uncovered; left; left &= left - 1) {
            const int row = std::countr_zero(left);
            std::size_t count = 0;
            for (std::size_t prime : primesOfRow_[std::size_t(row)])
                count += std::size_t(available[prime]);
            if (count < fewest) {
                fewest = count;
                branchRow = row;
            }
        }
        if (fewest == 0)
            return;
        std::vector<std::size_t> candidates;
        for (std::size_t prime : primesOfRow_[std::size_t(branchRow)])
            if (available[prime])
                candidates.push_back(prime);
        // Cheap, wide primes first, so that a good bound comes early.
        std::stable_sort(candidates.begin(), candidates.end(), [&](std::size_t a, std::size_t b) {
            const int wideA = std::popcount(coverage_[a] & uncovered);
            const int wideB = std::popcount(coverage_[b] & uncovered);
            return std::pair{literals_[a], -wideA} < std::pair{literals_[b], -wideB};
        });
        for (std::size_t prime : candidates) {
            available[prime] = 0;
            chosen.push_back(prime);
            search(uncovered & ~coverage_[prime], available, chosen, add(cost, prime));
            chosen.pop_back();
        }
    }

    void record(const std::vector<std::size_t> &chosen, Cost cost) {
        const int against = haveBest_ ? compare(cost, best_) : -1;
        if (against < 0) {
            found_.clear();
            best_ = cost;
            haveBest_ = true;
        }
        if (against <= 0 && found_.size() < limit_)
            found_.push_back(chosen);
    }

    CoverCost order_;
    std::size_t limit_;
    int rowCount_;
    std::vector<std::uint64_t> coverage_;
    std::vector<int> literals_;
    std::vector<std::vector<std::size_t>> primesOfRow_;
    std::vector<std::vector<std::size_t>> found_;
    Cost best_;
    bool haveBest_ = false;
    long budget_ = nodeBudget;
};

} // namespace

CoverSearchResult cheapestCovers(int variableCount, std::uint64_t ones, const std::vector<Term> &primes,
                                 CoverCost cost, std::size_t limit) {
    if (limit == 0)
        return {};
    return Search(variableCount, primes, cost, limit).run(ones);
}

} // namespace derivations
