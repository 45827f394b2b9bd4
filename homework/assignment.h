// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// An assignment a teacher hands out: a title, whether hints may be used,
// and tasks of the exercises' five kinds, each either written out as
// formulas or given as a level and a seed standing for the exercise the
// program sets for them. Every task is solved by the program as it is read,
// so that an assignment the program cannot grade never reaches a class.
//
// The file, UTF-8 text; "#" lines and empty lines are skipped:
//   задание: Булеви закони, упражнение 3
//   подсказки: не
//   докажи: A v (A ^ B) = A
//   опрости: (A -> B) ^ (B -> A)
//   таблица: A Xor B
//   карта: A ^ B v C ^ D
//   закон: !(A ^ B) => !A v !B
//   докажи: средно 12345
// The English keys (assignment, hints yes|no, prove, simplify, table, map,
// law; easy, medium, hard) work alike, in any case.

#include "exercise.h"
#include "formula.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace homework {

enum class TaskKind : unsigned char {
    Prove,
    Simplify,
    Table,
    Map,
    Law
}; // докажи опрости таблица карта закон
inline constexpr int taskKindCount = 5;

struct Task {
    TaskKind kind = TaskKind::Prove;
    int line = 0;                          // its line in the file, 1-based
    std::string written;                   // the task's text after the key, as written (UTF-8)
    std::optional<exercises::Level> level; // set when written as "<level> <seed>"
    std::uint32_t seed = 0;
    // The task as an exercise: its formulas, the expected answer and the
    // program's own derivation or cover. A "Таблица" of a formula with "="
    // keeps the right side as the goal; `truth` is the left side's.
    exercises::Exercise exercise;
};

struct Assignment {
    std::string title;
    bool hints = true;
    std::vector<Task> tasks;
};

enum class AssignmentProblem : unsigned char {
    Empty,            // no title and no task
    NoTitle,          // the first line is not "задание:"; detail: its key
    EmptyTitle,       // "задание:" with nothing after it
    UnknownKind,      // detail: the key as written
    OutOfPlace,       // a title or "подсказки:" after the tasks began; detail: the key
    BadHintsValue,    // detail: the value as written
    BadFormula,       // formulaError says what and where in the task's text
    MissingEquals,    // "докажи" needs F = G
    UnexpectedEquals, // "опрости", "карта" and "закон" take one formula a side
    MissingArrow,     // "закон" needs F → G (or F => G), one arrow
    BadLevelOrSeed,   // detail: the text as written
    NotEquivalent,    // "докажи": F and G differ on some row
    MapVariables,     // "карта": a map has 2 to 4 variables; detail: how many
    Unsolvable,       // the program finds no answer of its own within its bounds
    NoTasks,          // a title but no task
    TooLarge,         // over maxFileSize bytes
    NotUtf8,
};

struct AssignmentError {
    int line = 0; // 0 for the whole file (TooLarge, NotUtf8, Empty, NoTasks)
    AssignmentProblem problem = AssignmentProblem::Empty;
    std::string detail;                 // UTF-8: the unknown key, the value as written
    formulas::ReadError formulaError{}; // BadFormula
};

// The Bulgarian key of a kind ("докажи") and its English one ("prove").
const char *taskKey(TaskKind kind, bool english);
exercises::Kind exerciseKind(TaskKind kind);

std::variant<Assignment, AssignmentError> readAssignment(std::string_view utf8);

// What "Запази заданието" writes, keys in either language; reading it back
// gives the same assignment.
std::string writeAssignment(const Assignment &assignment, bool english);

// A task of that kind as written after its key: its formulas, or "<level>
// <seed>"; solved as the reader solves it. The window builds assignments
// with it. On failure, the error's line is 0.
std::variant<Task, AssignmentError> makeTask(TaskKind kind, std::string_view written);

} // namespace homework
