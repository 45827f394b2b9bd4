// SPDX-License-Identifier: GPL-3.0-or-later
#include "assignment.h"
#include "utf8_lines.h"

namespace homework {

namespace {

bool isTitleKey(std::string_view key) { return key == "задание" || key == "assignment"; }
bool isHintsKey(std::string_view key) { return key == "подсказки" || key == "hints"; }

std::optional<TaskKind> kindOfKey(std::string_view key) {
    for (int kind = 0; kind < taskKindCount; ++kind)
        if (key == taskKey(TaskKind(kind), false) || key == taskKey(TaskKind(kind), true))
            return TaskKind(kind);
    return std::nullopt;
}

std::optional<bool> hintsValue(std::string_view value) {
    const std::string lower = lowered(value);
    if (lower == "да" || lower == "yes")
        return true;
    if (lower == "не" || lower == "no")
        return false;
    return std::nullopt;
}

AssignmentError at(int line, AssignmentProblem problem, std::string detail = {}) {
    return {line, problem, std::move(detail)};
}

} // namespace

std::variant<Assignment, AssignmentError> readAssignment(std::string_view utf8) {
    if (utf8.size() > maxFileSize)
        return at(0, AssignmentProblem::TooLarge);
    if (!isUtf8(utf8))
        return at(0, AssignmentProblem::NotUtf8);
    Assignment assignment;
    bool titled = false;
    int number = 0;
    for (const std::string_view text : linesOf(utf8)) {
        ++number;
        const std::string_view line = trimmed(text);
        if (line.empty() || line.front() == '#')
            continue;
        const KeyedLine keyed = keyedLine(line);
        const std::string detail = keyed.hasColon ? keyed.key : std::string(line);
        if (!titled) {
            if (!keyed.hasColon || !isTitleKey(keyed.key))
                return at(number, AssignmentProblem::NoTitle, detail);
            if (keyed.value.empty())
                return at(number, AssignmentProblem::EmptyTitle);
            assignment.title = std::string(keyed.value);
            titled = true;
            continue;
        }
        if (keyed.hasColon && isHintsKey(keyed.key)) {
            if (!assignment.tasks.empty())
                return at(number, AssignmentProblem::OutOfPlace, keyed.key);
            const std::optional<bool> hints = hintsValue(keyed.value);
            if (!hints)
                return at(number, AssignmentProblem::BadHintsValue, std::string(keyed.value));
            assignment.hints = *hints;
            continue;
        }
        if (keyed.hasColon && isTitleKey(keyed.key))
            return at(number, AssignmentProblem::OutOfPlace, keyed.key);
        const std::optional<TaskKind> kind = keyed.hasColon ? kindOfKey(keyed.key) : std::nullopt;
        if (!kind)
            return at(number, AssignmentProblem::UnknownKind, detail);
        auto made = makeTask(*kind, keyed.value);
        if (auto *refused = std::get_if<AssignmentError>(&made)) {
            refused->line = number;
            return *refused;
        }
        Task &task = assignment.tasks.emplace_back(std::move(std::get<Task>(made)));
        task.line = number;
    }
    if (!titled)
        return at(0, AssignmentProblem::Empty);
    if (assignment.tasks.empty())
        return at(0, AssignmentProblem::NoTasks);
    return assignment;
}

} // namespace homework
