// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A student's answers to an assignment, one file: a header naming the
// assignment (its title and the SHA-256 of its file's bytes) and the
// student, then one block for each task touched, holding the work alone.
//
//   отговори: Булеви закони, упражнение 3
//   задание: 3f5a…(64 hex digits)
//   ученик: Иван Петров
//
//   задача 1
//   подсказки: 0
//   A v (A ^ B)
//   A  [Закон за поглъщане]
//
// English keys: answers, assignment, student, task N, hints. The work of a
// "докажи" or "опрости" block is a chain as --check reads it; of a
// "таблица", one line of the values in counting order ("-" for a blank),
// "0 1 1 0 | 0 1 1 0" for a formula with "="; of a "карта", one product of
// literals a line ("1" for the whole map); of a "закон", the name chosen.
// "#" lines inside a block are skipped.

#include "assignment.h"

#include "minimal_forms.h"

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace homework {

struct TaskWork {
    int task = 0;                   // 1-based
    int hints = 0;                  // hints taken, as the window counted them
    std::vector<std::string> lines; // the work alone, "#" lines and blank lines left out
    // The line in the file of each of `lines`, for the grader's messages.
    std::vector<int> fileLines;
};

struct Answers {
    std::string title;
    std::string assignmentSha256; // lower-case hex, as written
    std::string student;
    std::vector<TaskWork> work; // ascending task numbers, untouched tasks absent
};

enum class AnswersProblem : unsigned char {
    NotUtf8,
    TooLarge,
    MissingHeader, // detail: the key expected ("отговори", "задание", "ученик")
    BadHeader,     // a header key given twice or out of its place; detail: the key
    BadTaskNumber, // not a task of the assignment, or not after the one before; detail: as written
    BadHintsValue, // detail: as written
    MalformedLine, // neither a key of the format nor work of that task's kind; detail: the line
};

struct AnswersError {
    int line = 0; // 0 for the whole file
    AnswersProblem problem = AnswersProblem::MalformedLine;
    std::string detail;
};

std::string writeAnswers(const Answers &answers, const Assignment &assignment, bool english);

// The assignment tells the kinds, and so work lines from malformed ones. A
// chain's lines are taken as they stand: a formula that cannot be read is
// the grader's business, not a malformed file.
std::variant<Answers, AnswersError> readAnswers(std::string_view utf8, const Assignment &assignment);

// The work of each kind as lines, built from what the windows hold, so that
// the windows and the grader meet in one format.
// A table's cells in counting order, none for a blank; right empty unless
// the formula has "=".
std::vector<std::string> tableWork(const std::vector<std::optional<bool>> &left,
                                   const std::vector<std::optional<bool>> &right);
// One product a line, over the task's letters (variable v is letters[v]).
std::vector<std::string> mapWork(const derivations::Cover &groups, const std::vector<char> &letters);

// The values of a table line, as tableWork writes them: none where the line
// is no such line.
struct TableValues {
    std::vector<std::optional<bool>> left, right;
    bool hasRight = false;
};
std::optional<TableValues> tableValues(std::string_view line);

} // namespace homework
