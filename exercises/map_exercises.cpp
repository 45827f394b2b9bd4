// SPDX-License-Identifier: GPL-3.0-or-later
// "Карта": F of 2, 3 or 4 variables whose minimal cover has at least two
// groups; at the hard level some minimal cover has a group that wraps past
// an edge of the map.

#include "candidates.h"
#include "random_formula.h"

#include "karnaugh.h"

namespace exercises {

namespace {

bool wraps(const derivations::KarnaughLayout &layout, derivations::Term term) {
    const derivations::MapGroup group = derivations::groupOf(layout, term);
    return group.top + group.height > layout.rows() || group.left + group.width > layout.columns();
}

bool someCoverWraps(const derivations::KarnaughLayout &layout,
                    const std::vector<derivations::Cover> &covers) {
    for (const derivations::Cover &cover : covers)
        for (const derivations::Term &term : cover)
            if (wraps(layout, term))
                return true;
    return false;
}

} // namespace

std::optional<Exercise> mapCandidate(Level level, RandomSource &random) {
    FormulaShape shape;
    switch (level) {
    case Level::Easy:
        shape.letters = 2;
        shape.leaves = random.between(3, 4);
        break;
    case Level::Medium:
        shape.letters = 3;
        shape.leaves = random.between(4, 6);
        break;
    case Level::Hard:
        shape.letters = 4;
        shape.leaves = random.between(5, 7);
        break;
    }
    const std::optional<Tree> formula = randomFormula(random, shape);
    if (!formula)
        return std::nullopt;
    Exercise exercise;
    exercise.kind = Kind::Map;
    exercise.formula = *formula;
    exercise.letters = variablesOf(exercise.formula);
    exercise.truth = truthOver(exercise.formula, exercise.letters);
    const int variables = int(exercise.letters.size());
    const auto layout = derivations::KarnaughLayout::forVariables(variables);
    const std::vector<derivations::Cover> covers =
        derivations::minimalSumsOfProducts(variables, exercise.truth);
    if (!layout || covers.empty() || covers.front().size() < 2)
        return std::nullopt;
    if (level == Level::Hard && !someCoverWraps(*layout, covers))
        return std::nullopt;
    // The groups of the cover given as the answer pass the map's own grading.
    std::vector<derivations::MapGroup> groups;
    for (const derivations::Term &term : covers.front())
        groups.push_back(derivations::groupOf(*layout, term));
    if (!derivations::gradeGroups(*layout, exercise.truth, groups).correct())
        return std::nullopt;
    exercise.minimalCover = covers.front();
    return exercise;
}

} // namespace exercises
