// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The grading of a student's groups in words: the verdict names each group
// that breaks a rule and the rule it breaks, in the order the rules are
// taught (a rectangle of 1, 2, 4… cells, only 1s, as large as it can be,
// every 1 covered, no group too many); each group's line in the list gives
// its product term and its mark.

#include "karnaugh.h"

#include <QString>
#include <QStringList>

struct KarnaughFunction;
class KarnaughMapModel;

namespace grade_texts {

// "Вярно: минимално покритие", or one sentence for each rule broken.
QStringList verdict(const derivations::KarnaughGrade &grade, const KarnaughFunction &function,
                    const KarnaughMapModel &map);
// "2. A ^ !B", and after a check "2. A ^ !B — съдържа 0".
QString groupLine(int number, const derivations::MapGroup &group, const derivations::GroupGrade *grade,
                  const KarnaughFunction &function);
// A group that breaks a rule, to be drawn as wrong.
bool isWrong(const derivations::GroupGrade &grade);

} // namespace grade_texts
