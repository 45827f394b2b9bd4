// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The answer to a "Закон" exercise: the names a student chooses from, and
// whether a name is right. A law is right where the step is that law applied
// once at one place, whichever law the exercise was made from; a mistake is
// right where the step is not equivalent and that mistake gives it.

#include "exercise.h"

#include <vector>

namespace exercises {

// The nineteen laws in the derivations' order, then the known mistakes.
std::vector<StepName> stepChoices();

// Bulgarian, UTF-8; translate in the context "derivations".
const char *stepChoiceName(const StepName &name);

bool isRightAnswer(const Exercise &exercise, const StepName &answer);

} // namespace exercises
