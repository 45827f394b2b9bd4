// SPDX-License-Identifier: GPL-3.0-or-later
// A task as written, solved by the program: the formulas read, the answer
// found within counted bounds, or the reason there is none.

#include "assignment.h"
#include "utf8_lines.h"

#include "counted_bounds.h"
#include "formula_tree.h"
#include "karnaugh.h"
#include "mistake_check.h"
#include "working_form.h"

#include <array>
#include <charconv>

namespace homework {

namespace {

using derivations::DeriveOutcome;
using formulas::Tree;

struct KindKeys {
    const char *bulgarian;
    const char *english;
};
constexpr std::array<KindKeys, taskKindCount> kindKeys{{
    {"докажи", "prove"},
    {"опрости", "simplify"},
    {"таблица", "table"},
    {"карта", "map"},
    {"закон", "law"},
}};
constexpr std::array<KindKeys, exercises::levelCount> levelWords{{
    {"лесно", "easy"},
    {"средно", "medium"},
    {"трудно", "hard"},
}};

AssignmentError problem(AssignmentProblem what, std::string detail = {}) {
    return {0, what, std::move(detail)};
}

std::optional<exercises::Level> levelNamed(std::string_view word) {
    const std::string lower = lowered(word);
    for (std::size_t i = 0; i < levelWords.size(); ++i)
        if (lower == levelWords[i].bulgarian || lower == levelWords[i].english)
            return exercises::Level(i);
    return std::nullopt;
}

std::variant<Task, AssignmentError> fromSeed(TaskKind kind, std::string_view written, exercises::Level level,
                                             std::string_view seedText) {
    std::uint64_t seed = 0;
    const auto [end, error] = std::from_chars(seedText.data(), seedText.data() + seedText.size(), seed);
    if (seedText.empty() || seedText.size() > 10 || error != std::errc() ||
        end != seedText.data() + seedText.size() || seed > exercises::maxSeed)
        return problem(AssignmentProblem::BadLevelOrSeed, std::string(written));
    std::optional<exercises::Exercise> made =
        exercises::generateExercise(exerciseKind(kind), level, std::uint32_t(seed));
    if (!made)
        return problem(AssignmentProblem::Unsolvable);
    Task task;
    task.kind = kind;
    task.written = std::string(written);
    task.level = level;
    task.seed = std::uint32_t(seed);
    task.exercise = std::move(*made);
    return task;
}

std::variant<formulas::Equation, AssignmentError> equationOf(std::string_view text) {
    auto read = formulas::readTree(toU32(text));
    if (const auto *error = std::get_if<formulas::ReadError>(&read)) {
        AssignmentError refused = problem(AssignmentProblem::BadFormula);
        refused.formulaError = *error;
        return refused;
    }
    return std::get<formulas::Equation>(read);
}

std::vector<char> lettersOf(const Tree &formula, const Tree &other) {
    const std::uint32_t bits = formulas::lettersOf(formula) | (other ? formulas::lettersOf(other) : 0);
    std::vector<char> letters;
    for (int letter = 0; letter < 26; ++letter)
        if (bits & (1u << letter))
            letters.push_back(char('A' + letter));
    return letters;
}

void setTruth(exercises::Exercise &exercise) {
    exercise.letters = lettersOf(exercise.formula, exercise.goal);
    exercise.truth = derivations::truthOf(exercise.formula, exercise.letters).front();
}

std::optional<AssignmentError> solveProof(exercises::Exercise &exercise) {
    if (derivations::counterexampleOf(exercise.formula, exercise.goal))
        return problem(AssignmentProblem::NotEquivalent);
    // The bounds of the program's own exercises, with room for the longer
    // chains a teacher's own formulas may need.
    derivations::SearchBounds bounds = exercises::proofBounds();
    bounds.maxSteps = exercises::simplifySteps;
    derivations::DeriveResult result =
        derivations::derive(exercise.formula, exercise.goal, derivations::allLaws(), bounds);
    if (result.outcome != DeriveOutcome::Found)
        return problem(AssignmentProblem::Unsolvable);
    exercise.derivation = std::move(result.derivation);
    return std::nullopt;
}

std::optional<AssignmentError> solveSimplification(exercises::Exercise &exercise) {
    derivations::DeriveResult result =
        derivations::simplify(exercise.formula, exercises::countedBounds(exercises::simplifySteps));
    const std::vector<derivations::Cover> covers =
        derivations::minimalSumsOfProducts(int(exercise.letters.size()), exercise.truth, 1);
    if (result.outcome != DeriveOutcome::Found || covers.empty())
        return problem(AssignmentProblem::Unsolvable);
    exercise.goal = derivations::minimalSumOfProducts(exercise.formula);
    exercise.derivation = std::move(result.derivation);
    exercise.minimalCover = covers.front();
    return std::nullopt;
}

std::optional<AssignmentError> solveMap(exercises::Exercise &exercise) {
    const int variables = int(exercise.letters.size());
    if (!derivations::KarnaughLayout::forVariables(variables))
        return problem(AssignmentProblem::MapVariables, std::to_string(variables));
    const std::vector<derivations::Cover> covers =
        derivations::minimalSumsOfProducts(variables, exercise.truth, 1);
    if (covers.empty())
        return problem(AssignmentProblem::Unsolvable);
    exercise.minimalCover = covers.front();
    return std::nullopt;
}

// What the step F → G is by: the law applied once at one place, or the
// known mistake the step check names.
std::optional<AssignmentError> solveStep(exercises::Exercise &exercise) {
    if (!derivations::counterexampleOf(exercise.formula, exercise.goal)) {
        const std::optional<derivations::LawId> law =
            derivations::singleLawBetween(exercise.formula, exercise.goal);
        if (!law)
            return problem(AssignmentProblem::Unsolvable);
        exercise.step = *law;
    } else {
        const std::optional<derivations::MistakeId> mistake =
            derivations::mistakeBetween(exercise.formula, exercise.goal);
        if (!mistake)
            return problem(AssignmentProblem::Unsolvable);
        exercise.step = *mistake;
    }
    return std::nullopt;
}

// "F → G" or "F => G": the two sides, or why not.
std::variant<formulas::Equation, AssignmentError> stepOf(std::string_view text) {
    std::string spelled(text);
    for (std::size_t at = 0; (at = spelled.find("=>", at)) != std::string::npos;)
        spelled.replace(at, 2, "\u2192");
    const std::string arrow = "\u2192";
    const std::size_t at = spelled.find(arrow);
    if (at == std::string::npos || spelled.find(arrow, at + arrow.size()) != std::string::npos)
        return problem(AssignmentProblem::MissingArrow);
    formulas::Equation step;
    for (const bool left : {true, false}) {
        const std::string_view side = left ? std::string_view(spelled).substr(0, at)
                                           : std::string_view(spelled).substr(at + arrow.size());
        auto read = equationOf(side);
        if (auto *refused = std::get_if<AssignmentError>(&read)) {
            // The position counts from the start of the task's text.
            if (!left)
                refused->formulaError.position += toU32(spelled.substr(0, at + arrow.size())).size();
            return *refused;
        }
        const auto &equation = std::get<formulas::Equation>(read);
        if (equation.right)
            return problem(AssignmentProblem::UnexpectedEquals);
        (left ? step.left : step.right) = equation.left;
    }
    return step;
}

} // namespace

const char *taskKey(TaskKind kind, bool english) {
    const KindKeys &keys = kindKeys[std::size_t(kind)];
    return english ? keys.english : keys.bulgarian;
}

exercises::Kind exerciseKind(TaskKind kind) { return exercises::Kind(int(kind)); }

std::variant<Task, AssignmentError> makeTask(TaskKind kind, std::string_view written) {
    written = trimmed(written);
    // "<level> <seed>": a level's name stands first.
    const std::size_t blank = written.find_first_of(" \t");
    if (const std::optional<exercises::Level> level = levelNamed(written.substr(0, blank)))
        return fromSeed(kind, written, *level,
                        blank == std::string_view::npos ? std::string_view()
                                                        : trimmed(written.substr(blank)));

    Task task;
    task.kind = kind;
    task.written = std::string(written);
    exercises::Exercise &exercise = task.exercise;
    exercise.kind = exerciseKind(kind);
    auto read = kind == TaskKind::Law ? stepOf(written) : equationOf(written);
    if (const auto *refused = std::get_if<AssignmentError>(&read))
        return *refused;
    const auto &equation = std::get<formulas::Equation>(read);
    if (kind == TaskKind::Prove && !equation.right)
        return problem(AssignmentProblem::MissingEquals);
    if ((kind == TaskKind::Simplify || kind == TaskKind::Map) && equation.right)
        return problem(AssignmentProblem::UnexpectedEquals);
    exercise.formula = equation.left;
    exercise.goal = equation.right;
    setTruth(exercise);

    std::optional<AssignmentError> unsolved;
    switch (kind) {
    case TaskKind::Prove:
        unsolved = solveProof(exercise);
        break;
    case TaskKind::Simplify:
        unsolved = solveSimplification(exercise);
        break;
    case TaskKind::Table:
        break;
    case TaskKind::Map:
        unsolved = solveMap(exercise);
        break;
    case TaskKind::Law:
        unsolved = solveStep(exercise);
        break;
    }
    if (unsolved)
        return *unsolved;
    return task;
}

} // namespace homework
