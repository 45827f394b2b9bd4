// SPDX-License-Identifier: GPL-3.0-or-later
// "Таблица": F of 2 variables with "!", "^" and "v" only; of 3, where "->"
// may stand too; of 4, where "<-->" and "Xor" may stand as well.

#include "candidates.h"
#include "random_formula.h"

namespace exercises {

std::optional<Exercise> tableCandidate(Level level, RandomSource &random) {
    FormulaShape shape;
    switch (level) {
    case Level::Easy:
        shape.letters = 2;
        shape.leaves = random.between(3, 4);
        break;
    case Level::Medium:
        shape.letters = 3;
        shape.leaves = random.between(4, 5);
        shape.implication = true;
        break;
    case Level::Hard:
        shape.letters = 4;
        shape.leaves = random.between(5, 6);
        shape.implication = shape.equivalenceAndXor = true;
        shape.maxDefinitions = 2;
        break;
    }
    const std::optional<Tree> formula = randomFormula(random, shape);
    if (!formula)
        return std::nullopt;
    Exercise exercise;
    exercise.kind = Kind::Table;
    exercise.formula = *formula;
    exercise.letters = variablesOf(exercise.formula);
    exercise.truth = truthOver(exercise.formula, exercise.letters);
    // A column of one value is read off without working through the rows.
    const std::uint64_t rows = ~std::uint64_t(0) >> (64 - (1u << exercise.letters.size()));
    if (exercise.truth == 0 || exercise.truth == rows)
        return std::nullopt;
    return exercise;
}

} // namespace exercises
