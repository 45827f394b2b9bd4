// SPDX-License-Identifier: GPL-3.0-or-later
// What derivations cost: every row of the catalogue derived from the basic
// laws (each row's steps and the median), a step check on formulas of about
// 100 symbols, and simplify on random 4-variable formulas of 40 symbols.
// SHOW=1 prints each chain too.

#include "derivation_search.h"
#include "formula_printer.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>

namespace {

using Clock = std::chrono::steady_clock;
using derivations::Tree;
using formulas::Operator;

double millisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// A random formula of about `symbols` letters and operators over `letters`.
Tree randomFormula(std::mt19937 &random, std::size_t symbols, int letters) {
    if (symbols <= 1)
        return formulas::variable(char('A' + random() % unsigned(letters)));
    const unsigned pick = random() % 6;
    if (pick == 0)
        return formulas::negation(randomFormula(random, symbols - 1, letters));
    const Operator op = pick < 3 ? Operator::And : pick < 5 ? Operator::Or : Operator::Xor;
    const std::size_t left = 1 + random() % (symbols - 1);
    return formulas::combination(
        op, {randomFormula(random, left, letters),
             randomFormula(random, std::max<std::size_t>(1, symbols - 1 - left), letters)});
}

} // namespace

int main() {
    std::vector<std::size_t> counts;
    const auto all = Clock::now();
    for (int row = 1; row <= 21; ++row) {
        const auto start = Clock::now();
        const auto result = derivations::deriveCatalogueRow(row);
        const double ms = millisecondsSince(start);
        if (result.outcome != derivations::DeriveOutcome::Found) {
            std::printf("row %2d: no derivation (%.1f ms)\n", row, ms);
            counts.push_back(999);
            continue;
        }
        counts.push_back(result.derivation.steps.size());
        std::printf("row %2d: %2zu steps, %7.1f ms\n", row, result.derivation.steps.size(), ms);
        if (std::getenv("SHOW")) {
            std::printf("    %s\n", formulas::printed(result.derivation.start).c_str());
            for (const auto &step : result.derivation.steps)
                std::printf("  = %s  [%s]\n", formulas::printed(step.formula).c_str(),
                            derivations::lawName(step.law));
        }
    }
    const double total = millisecondsSince(all);
    std::vector<std::size_t> sorted = counts;
    std::sort(sorted.begin(), sorted.end());
    std::printf("all 21 rows: %.1f ms, median %zu steps, longest %zu\n", total, sorted[10], sorted.back());

    std::mt19937 random(2024);
    // Steps of one law and of three laws (three rewrites in a row), each
    // checked: the median and the worst.
    for (int laws : {1, 3}) {
        std::vector<double> times;
        for (int i = 0; i < 50; ++i) {
            const Tree before = randomFormula(random, 100, 6);
            Tree after = before;
            for (int k = 0; k < laws; ++k) {
                const auto rewrites = derivations::lawRewrites(after, derivations::allLaws());
                if (!rewrites.empty())
                    after = rewrites[random() % rewrites.size()].result;
            }
            const auto start = Clock::now();
            (void)derivations::checkStep(before, after);
            times.push_back(millisecondsSince(start));
        }
        std::sort(times.begin(), times.end());
        std::printf("step check, 100 symbols, %d law(s): median %.2f ms, worst %.2f ms (50 steps)\n", laws,
                    times[25], times.back());
    }

    std::vector<double> simplifyTimes;
    int found = 0;
    for (int i = 0; i < 50; ++i) {
        const Tree formula = randomFormula(random, 40, 4);
        const auto start = Clock::now();
        found += derivations::simplify(formula).outcome == derivations::DeriveOutcome::Found;
        simplifyTimes.push_back(millisecondsSince(start));
    }
    std::sort(simplifyTimes.begin(), simplifyTimes.end());
    std::printf("simplify, 4 variables, 40 symbols: median %.1f ms, worst %.1f ms, %d of 50 found\n",
                simplifyTimes[25], simplifyTimes.back(), found);
}
