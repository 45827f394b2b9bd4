// SPDX-License-Identifier: GPL-3.0-or-later
#include "answers.h"

namespace homework {

namespace {

std::string oneLine(std::string text) {
    for (char &c : text)
        if (c == '\n' || c == '\r')
            c = ' ';
    return text;
}

} // namespace

std::string writeAnswers(const Answers &answers, const Assignment &assignment, bool english) {
    std::string text;
    text += (english ? "answers: " : "отговори: ") + oneLine(assignment.title) + '\n';
    text += (english ? "assignment: " : "задание: ") + oneLine(answers.assignmentSha256) + '\n';
    text += (english ? "student: " : "ученик: ") + oneLine(answers.student) + '\n';
    for (const TaskWork &work : answers.work) {
        text += '\n';
        text += (english ? "task " : "задача ") + std::to_string(work.task) + '\n';
        text += (english ? "hints: " : "подсказки: ") + std::to_string(work.hints) + '\n';
        for (const std::string &line : work.lines)
            text += oneLine(line) + '\n';
    }
    return text;
}

} // namespace homework
