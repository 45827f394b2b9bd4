// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The homework library's problems in words, for the command line and the
// windows alike: "ред 4: непознат вид задача „докажии“". Also the other
// names a "закон" task's answer may give a known mistake, in every language
// the program ships.

#include "answers.h"
#include "assignment.h"
#include "grading.h"

#include <QCoreApplication>
#include <QString>

#include <vector>

class HomeworkMessages {
    Q_DECLARE_TR_FUNCTIONS(Homework)

public:
    // "ред N: …" where the problem has a line, else the sentence alone.
    static QString assignmentProblem(const homework::AssignmentError &error);
    static QString answersProblem(const homework::AnswersError &error);

    // "✓", "✗" or "–".
    static QString markSymbol(homework::Mark mark);

    static const std::vector<homework::MistakeAlias> &mistakeAliases();
};
