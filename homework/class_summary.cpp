// SPDX-License-Identifier: GPL-3.0-or-later
// A class's grades, task by task.

#include "grading.h"

#include <array>

namespace homework {

std::vector<TaskSummary> summarize(std::size_t taskCount, const std::vector<std::vector<TaskGrade>> &grades) {
    std::vector<TaskSummary> summaries(taskCount);
    for (std::size_t task = 0; task < taskCount; ++task) {
        TaskSummary &summary = summaries[task];
        std::array<int, derivations::mistakeCount> met{};
        for (const std::vector<TaskGrade> &student : grades) {
            if (task >= student.size())
                continue;
            const TaskGrade &grade = student[task];
            summary.solved += grade.mark == Mark::Solved;
            summary.tried += grade.mark != Mark::Untouched;
            summary.bigSteps += grade.bigSteps;
            for (const derivations::MistakeId mistake : grade.mistakes)
                ++met[std::size_t(mistake)];
        }
        for (std::size_t mistake = 0; mistake < met.size(); ++mistake)
            if (met[mistake] > 0 && (!summary.mistake || met[mistake] > met[std::size_t(*summary.mistake)]))
                summary.mistake = derivations::MistakeId(mistake);
    }
    return summaries;
}

} // namespace homework
