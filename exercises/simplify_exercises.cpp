// SPDX-License-Identifier: GPL-3.0-or-later
// "Опрости": F, whose minimal sum of products is no constant and has at
// most 2/3 of F's literals (2 variables) or at most half (3 and 4).

#include "candidates.h"
#include "counted_bounds.h"
#include "random_formula.h"

namespace exercises {

std::optional<Exercise> simplifyCandidate(Level level, RandomSource &random) {
    FormulaShape shape;
    // F's literals at least times/per the minimal sum's.
    int times = 2, per = 1;
    switch (level) {
    case Level::Easy:
        shape.letters = 2;
        shape.leaves = random.between(3, 5);
        times = 3, per = 2;
        break;
    case Level::Medium:
        shape.letters = 3;
        shape.leaves = random.between(5, 7);
        break;
    case Level::Hard:
        shape.letters = 4;
        shape.leaves = random.between(7, 9);
        break;
    }
    const std::optional<Tree> drawn = randomFormula(random, shape);
    if (!drawn)
        return std::nullopt;
    const Tree &formula = *drawn;
    const std::vector<char> letters = variablesOf(formula);
    const std::uint64_t truth = truthOver(formula, letters);
    const std::vector<derivations::Cover> covers =
        derivations::minimalSumsOfProducts(int(letters.size()), truth, 1);
    int minimalLiterals = 0;
    for (const derivations::Term &term : covers.front())
        minimalLiterals += derivations::literalCount(term);
    if (minimalLiterals == 0 || literalsOf(formula) * per < minimalLiterals * times)
        return std::nullopt;
    derivations::DeriveResult result = derivations::simplify(formula, countedBounds(simplifySteps));
    if (result.outcome != derivations::DeriveOutcome::Found)
        return std::nullopt;
    Exercise exercise;
    exercise.kind = Kind::Simplify;
    exercise.formula = formula;
    exercise.goal = derivations::minimalSumOfProducts(formula);
    exercise.letters = letters;
    exercise.truth = truth;
    exercise.derivation = std::move(result.derivation);
    exercise.minimalCover = covers.front();
    return exercise;
}

} // namespace exercises
