// SPDX-License-Identifier: GPL-3.0-or-later
#include "step_answer.h"

#include "mistake_check.h"
#include "step_check.h"

namespace exercises {

std::vector<StepName> stepChoices() {
    std::vector<StepName> choices;
    for (std::size_t law = 0; law < derivations::lawCount; ++law)
        choices.push_back(derivations::LawId(law));
    for (std::size_t mistake = 0; mistake < derivations::mistakeCount; ++mistake)
        choices.push_back(derivations::MistakeId(mistake));
    return choices;
}

const char *stepChoiceName(const StepName &name) {
    if (const auto *law = std::get_if<derivations::LawId>(&name))
        return derivations::lawName(*law);
    return derivations::mistakeName(std::get<derivations::MistakeId>(name));
}

bool isRightAnswer(const Exercise &exercise, const StepName &answer) {
    if (!exercise.formula || !exercise.goal)
        return false;
    const bool equivalent = !derivations::counterexampleOf(exercise.formula, exercise.goal);
    if (const auto *law = std::get_if<derivations::LawId>(&answer))
        return equivalent && derivations::isStepBy(exercise.formula, exercise.goal, *law);
    if (equivalent)
        return false;
    // The mistake the step check would name, so that the exercise and the
    // check never disagree.
    return derivations::mistakeBetween(exercise.formula, exercise.goal) ==
           std::get<derivations::MistakeId>(answer);
}

} // namespace exercises
