// SPDX-License-Identifier: GPL-3.0-or-later
#include "assignment.h"

namespace homework {

namespace {

// One line whatever the window was given: a line break would end the title.
std::string oneLine(std::string text) {
    for (char &c : text)
        if (c == '\n' || c == '\r')
            c = ' ';
    return text;
}

const char *levelWord(exercises::Level level, bool english) {
    static const char *const bulgarian[] = {"лесно", "средно", "трудно"};
    static const char *const englishWords[] = {"easy", "medium", "hard"};
    return (english ? englishWords : bulgarian)[int(level)];
}

} // namespace

std::string writeAssignment(const Assignment &assignment, bool english) {
    std::string text = english ? "assignment: " : "задание: ";
    text += oneLine(assignment.title) + '\n';
    if (!assignment.hints)
        text += english ? "hints: no\n" : "подсказки: не\n";
    for (const Task &task : assignment.tasks) {
        text += taskKey(task.kind, english);
        text += ": ";
        if (task.level)
            text += std::string(levelWord(*task.level, english)) + ' ' + std::to_string(task.seed);
        else
            text += oneLine(task.written);
        text += '\n';
    }
    return text;
}

} // namespace homework
