// SPDX-License-Identifier: GPL-3.0-or-later
#include "assignment_draft.h"

#include <algorithm>
#include <string>

// A task's kind is the exercise's, in the same order.
static_assert(int(homework::TaskKind::Prove) == int(exercises::Kind::Prove) &&
              int(homework::TaskKind::Law) == int(exercises::Kind::Law));

bool AssignmentDraft::add(const exercises::Exercise &exercise) {
    const bool there =
        std::any_of(assignment_.tasks.begin(), assignment_.tasks.end(), [&](const homework::Task &task) {
            return task.exercise.kind == exercise.kind && task.level == exercise.level &&
                   task.seed == exercise.seed;
        });
    if (there)
        return false;
    homework::Task task;
    task.kind = homework::TaskKind(exercise.kind);
    task.line = 0;
    task.written = std::string(exercises::levelName(exercise.level)) + ' ' + std::to_string(exercise.seed);
    task.level = exercise.level;
    task.seed = exercise.seed;
    task.exercise = exercise;
    assignment_.tasks.push_back(std::move(task));
    return true;
}

QByteArray AssignmentDraft::file(const QString &title, bool hints, bool english) const {
    homework::Assignment assignment = assignment_;
    assignment.title = title.toStdString();
    assignment.hints = hints;
    return QByteArray::fromStdString(homework::writeAssignment(assignment, english));
}
