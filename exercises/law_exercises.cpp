// SPDX-License-Identifier: GPL-3.0-or-later
// "Закон": a step F → G to name. Easy: one of the catalogue's 21 rows, its
// letters renamed or swapped for subformulas. Medium: one of the nineteen
// laws applied once inside a larger formula. Hard: a law or a known mistake,
// inside a formula larger still.

#include "candidates.h"
#include "step_answer.h"
#include "step_instances.h"

#include "law_catalogue.h"
#include "rewrites.h"
#include "working_form.h"

#include <array>
#include <string>

namespace exercises {

namespace {

using derivations::LawId;

StepInstance catalogueRow(RandomSource &random, LawId &law) {
    const std::size_t row = random.below(unsigned(catalogue::lawCatalogue.size()));
    law = derivations::lawOfCatalogueRow(int(row) + 1);
    const std::string_view text = catalogue::lawCatalogue[row].formula;
    const std::u32string characters(text.begin(), text.end()); // the catalogue is ASCII
    const auto equation = std::get<formulas::Equation>(formulas::readTree(characters));
    return renamedInstance(random, equation.left, equation.right);
}

// One rule of the law, either way round.
StepInstance lawRule(RandomSource &random, LawId law) {
    const derivations::Sides &sides = random.pick(derivations::lawEntry(law).rules);
    StepInstance step = renamedInstance(random, patternTree(sides.left), patternTree(sides.right));
    if (random.oneIn(3))
        std::swap(step.before, step.after);
    return step;
}

StepInstance mistakeInstance(RandomSource &random, derivations::MistakeId mistake) {
    const derivations::Sides &sides = random.pick(derivations::mistakeEntry(mistake).instances);
    return renamedInstance(random, patternTree(sides.left), patternTree(sides.right));
}

// One chain of "^" or "v" holding the same operand twice, as the formula
// around a step may bring beside it (!A v 1 v !A).
bool repeatsAnOperand(const Tree &tree) {
    if (tree->op == formulas::Operator::And || tree->op == formulas::Operator::Or) {
        const std::vector<Tree> items = derivations::itemsOf(tree->op, tree);
        for (std::size_t i = 0; i < items.size(); ++i)
            for (std::size_t j = i + 1; j < items.size(); ++j)
                if (derivations::same(items[i], items[j]))
                    return true;
    }
    for (const Tree &operand : tree->operands)
        if (repeatsAnOperand(operand))
            return true;
    return false;
}

} // namespace

std::optional<Exercise> lawCandidate(Level level, RandomSource &random) {
    StepInstance step;
    StepName name;
    if (level == Level::Easy) {
        LawId law{};
        step = catalogueRow(random, law);
        name = law;
    } else if (level == Level::Hard && random.oneIn(2)) {
        const auto mistake = derivations::MistakeId(random.below(unsigned(derivations::mistakeCount)));
        step = insideLargerFormula(random, mistakeInstance(random, mistake), 2);
        name = mistake;
    } else {
        const auto law = LawId(random.below(unsigned(derivations::lawCount)));
        step = insideLargerFormula(random, lawRule(random, law), level == Level::Hard ? 2 : 1);
        name = law;
    }
    // Order and grouping alone are what the commutative and associative laws
    // change; any other step changes more.
    const bool orderOrGrouping = name == StepName{LawId::Commutative} || name == StepName{LawId::Associative};
    if (!orderOrGrouping && !differ(step.before, step.after))
        return std::nullopt;
    // Only the idempotence law's own pattern repeats an operand.
    if (name != StepName{LawId::Idempotence} &&
        (repeatsAnOperand(step.before) || repeatsAnOperand(step.after)))
        return std::nullopt;
    Exercise exercise;
    exercise.kind = Kind::Law;
    exercise.formula = step.before;
    exercise.goal = step.after;
    exercise.letters = variablesOf(step.before, step.after);
    exercise.truth = truthOver(step.before, exercise.letters);
    exercise.step = name;
    // The step is what it was made as, by the same check the answer gets.
    if (!isRightAnswer(exercise, name))
        return std::nullopt;
    return exercise;
}

} // namespace exercises
