// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A student's answers graded from the work alone: every chain re-checked
// step by step, every table cell, every group drawn, every law named.
// Nothing else in the file counts: no verdict or score written into it.

#include "answers.h"
#include "assignment.h"

#include "law_table.h"

#include <optional>
#include <string>
#include <vector>

namespace homework {

enum class Mark : unsigned char { Solved, Tried, Untouched };

// Another name of a known mistake (its English name): the "закон" tasks'
// answers may name one in either language, as the laws by their aliases.
struct MistakeAlias {
    std::string name; // UTF-8
    derivations::MistakeId mistake;
};

struct TaskGrade {
    Mark mark = Mark::Untouched;
    int hints = 0;
    // The known mistake met most often in the chain (the first of those met
    // equally often), and all of them in the chain's order.
    std::optional<derivations::MistakeId> mistake;
    std::vector<derivations::MistakeId> mistakes;
    int bigSteps = 0;
};

// work: null for a task never touched.
TaskGrade gradeTask(const Task &task, const TaskWork *work, const std::vector<derivations::LawAlias> &aliases,
                    const std::vector<MistakeAlias> &mistakeAliases = {});
std::vector<TaskGrade> gradeAnswers(const Assignment &assignment, const Answers &answers,
                                    const std::vector<derivations::LawAlias> &aliases,
                                    const std::vector<MistakeAlias> &mistakeAliases = {});

int solvedCount(const std::vector<TaskGrade> &grades);
// Hints taken in an assignment that allows none.
bool usedForbiddenHints(const Assignment &assignment, const std::vector<TaskGrade> &grades);

// A task across the class: who solved it, who tried it (those who solved it
// too), the known mistake met most often in its chains (ties go to the
// first in the law table's order), and the big steps taken.
struct TaskSummary {
    int solved = 0;
    int tried = 0;
    std::optional<derivations::MistakeId> mistake;
    int bigSteps = 0;
};
// grades: one list per student graded, each a grade for every task.
std::vector<TaskSummary> summarize(std::size_t taskCount, const std::vector<std::vector<TaskGrade>> &grades);

} // namespace homework
