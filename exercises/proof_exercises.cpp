// SPDX-License-Identifier: GPL-3.0-or-later
// "Докажи": F = G, where G is a minimal sum of products of F, and the level
// is the length of the program's own derivation: 2 variables and 2 to 4
// steps; 3 variables and 5 to 8; 3 or 4 variables, 9 to 16 steps and one of
// "->", "<-->" and "Xor" in F.

#include "candidates.h"
#include "counted_bounds.h"
#include "random_formula.h"

#include "working_form.h"

namespace exercises {

derivations::SearchBounds proofBounds() {
    derivations::SearchBounds bounds = countedBounds(16); // the longest chain of the hard level
    // Small enough that a try costs a few milliseconds; where the meeting
    // searches give up, the way through sums of products finds the chain.
    bounds.maxStates = 100;
    // Cutting out steps tries every later formula against every earlier
    // one: on a chain of a dozen steps it costs ten times the search.
    bounds.shorten = false;
    return bounds;
}

std::optional<Exercise> proveCandidate(Level level, RandomSource &random) {
    FormulaShape shape;
    std::size_t fewestSteps = 2, mostSteps = 4;
    switch (level) {
    case Level::Easy:
        shape.letters = 2;
        shape.leaves = random.between(3, 4);
        break;
    case Level::Medium:
        shape.letters = 3;
        shape.leaves = random.between(5, 6);
        fewestSteps = 5, mostSteps = 8;
        break;
    case Level::Hard:
        shape.letters = random.between(3, 4);
        shape.leaves = random.between(4, 6);
        shape.implication = shape.equivalenceAndXor = true;
        fewestSteps = 9, mostSteps = 16;
        break;
    }
    const std::optional<Tree> drawn = randomFormula(random, shape);
    if (!drawn)
        return std::nullopt;
    const Tree &formula = *drawn;
    if (level == Level::Hard && !usesDefinitions(formula))
        return std::nullopt;
    const Tree goal = derivations::minimalSumOfProducts(formula);
    if (!differ(formula, goal))
        return std::nullopt;
    // The way through sums of products costs little and is one the search
    // may take: a formula it brings to the goal in far fewer or far more
    // steps than the level's is no candidate worth a search.
    const std::size_t estimate =
        derivations::simplify(formula, countedBounds(simplifySteps)).derivation.steps.size();
    if (estimate < fewestSteps || estimate > 2 * mostSteps)
        return std::nullopt;
    derivations::DeriveResult result =
        derivations::derive(formula, goal, derivations::allLaws(), proofBounds());
    const std::size_t steps = result.derivation.steps.size();
    if (result.outcome != derivations::DeriveOutcome::Found || steps < fewestSteps || steps > mostSteps)
        return std::nullopt;
    Exercise exercise;
    exercise.kind = Kind::Prove;
    exercise.formula = formula;
    exercise.goal = goal;
    exercise.letters = variablesOf(formula, goal);
    exercise.truth = truthOver(formula, exercise.letters);
    exercise.derivation = std::move(result.derivation);
    return exercise;
}

} // namespace exercises
