// SPDX-License-Identifier: GPL-3.0-or-later
#include "grading.h"
#include "utf8_lines.h"

#include "chain_check.h"
#include "formula_tree.h"
#include "karnaugh.h"
#include "step_answer.h"
#include "sum_of_products.h"
#include "working_form.h"

#include <algorithm>
#include <array>

namespace homework {

namespace {

using formulas::Tree;

bool sameUpToOrder(const Tree &a, const Tree &b) {
    return derivations::acKey(derivations::flattened(a)) == derivations::acKey(derivations::flattened(b));
}

// A chain line's formula, as the chain check reads it: without the claimed
// law's name in brackets at the end and without a leading "=".
std::optional<Tree> formulaOfLine(std::string_view line) {
    line = trimmed(line);
    if (!line.empty() && line.back() == ']') {
        const std::size_t open = line.rfind('[');
        if (open != std::string_view::npos)
            line = trimmed(line.substr(0, open));
    }
    if (!line.empty() && line.front() == '=')
        line.remove_prefix(1);
    auto read = formulas::readTree(toU32(line));
    const auto *equation = std::get_if<formulas::Equation>(&read);
    if (!equation || equation->right)
        return std::nullopt;
    return equation->left;
}

int literalsOf(const derivations::Cover &cover) {
    int literals = 0;
    for (const derivations::Term &term : cover)
        literals += derivations::literalCount(term);
    return literals;
}

void gradeChain(const Task &task, const TaskWork &work, const std::vector<derivations::LawAlias> &aliases,
                TaskGrade &grade) {
    std::string text;
    for (const std::string &line : work.lines)
        text += line + '\n';
    const auto checked = derivations::checkChain(toU32(text), aliases);
    const auto *report = std::get_if<derivations::ChainReport>(&checked);
    if (!report || work.lines.empty())
        return; // a formula that cannot be read: tried, not solved
    std::array<int, derivations::mistakeCount> met{};
    for (const derivations::CheckedStep &step : report->steps) {
        if (step.verdict.kind == derivations::VerdictKind::CommonMistake) {
            grade.mistakes.push_back(step.verdict.mistake);
            ++met[std::size_t(step.verdict.mistake)];
        }
        grade.bigSteps += step.verdict.kind == derivations::VerdictKind::BigStep;
    }
    if (!grade.mistakes.empty()) {
        // The most often met; of those met equally often, the first met.
        derivations::MistakeId most = grade.mistakes.front();
        for (const derivations::MistakeId mistake : grade.mistakes)
            if (met[std::size_t(mistake)] > met[std::size_t(most)])
                most = mistake;
        grade.mistake = most;
    }
    const std::optional<Tree> first = formulaOfLine(work.lines.front());
    const std::optional<Tree> last = formulaOfLine(work.lines.back());
    const exercises::Exercise &exercise = task.exercise;
    if (!first || !last || report->equivalentSteps != report->steps.size() ||
        !sameUpToOrder(*first, exercise.formula))
        return;
    if (task.kind == TaskKind::Prove) {
        if (sameUpToOrder(*last, exercise.goal))
            grade.mark = Mark::Solved;
        return;
    }
    const auto terms = derivations::termsOf(derivations::flattened(*last), exercise.letters);
    if (terms && literalsOf(*terms) == literalsOf(exercise.minimalCover))
        grade.mark = Mark::Solved;
}

bool tableRight(const Task &task, const TaskWork &work) {
    if (work.lines.size() != 1)
        return false;
    const std::optional<TableValues> values = tableValues(work.lines.front());
    const exercises::Exercise &exercise = task.exercise;
    const std::size_t rows = std::size_t(1) << exercise.letters.size();
    if (!values || values->left.size() != rows || values->hasRight != bool(exercise.goal))
        return false;
    const auto rightOn = [&](const std::vector<std::optional<bool>> &cells, std::uint64_t truth) {
        for (std::size_t row = 0; row < rows; ++row)
            if (cells[row] != bool((truth >> row) & 1))
                return false;
        return true;
    };
    if (!rightOn(values->left, exercise.truth))
        return false;
    return !values->hasRight ||
           (values->right.size() == rows &&
            rightOn(values->right, derivations::truthOf(exercise.goal, exercise.letters)[0]));
}

bool mapRight(const Task &task, const TaskWork &work) {
    const exercises::Exercise &exercise = task.exercise;
    const auto layout = derivations::KarnaughLayout::forVariables(int(exercise.letters.size()));
    if (!layout)
        return false;
    std::vector<derivations::MapGroup> groups;
    for (const std::string &line : work.lines) {
        auto read = formulas::readTree(toU32(line));
        const auto *equation = std::get_if<formulas::Equation>(&read);
        if (!equation || equation->right)
            return false;
        // A letter the map has not is a group drawn on no map.
        const auto terms = derivations::termsOf(derivations::flattened(equation->left), exercise.letters);
        if (!terms || terms->size() != 1)
            return false;
        groups.push_back(derivations::groupOf(*layout, terms->front()));
    }
    return derivations::gradeGroups(*layout, exercise.truth, groups).correct();
}

std::string withoutColon(std::string_view name) {
    name = trimmed(name);
    if (!name.empty() && name.back() == ':')
        name.remove_suffix(1);
    return lowered(trimmed(name));
}

bool lawRight(const Task &task, const TaskWork &work, const std::vector<derivations::LawAlias> &aliases,
              const std::vector<MistakeAlias> &mistakeAliases) {
    if (work.lines.size() != 1)
        return false;
    const std::string &name = work.lines.front();
    if (const std::size_t law = derivations::lawByName(name, aliases); law < derivations::lawCount)
        return exercises::isRightAnswer(task.exercise, derivations::LawId(law));
    const std::string wanted = withoutColon(name);
    for (std::size_t mistake = 0; mistake < derivations::mistakeCount; ++mistake)
        if (wanted == lowered(derivations::mistakeName(derivations::MistakeId(mistake))))
            return exercises::isRightAnswer(task.exercise, derivations::MistakeId(mistake));
    for (const MistakeAlias &alias : mistakeAliases)
        if (wanted == withoutColon(alias.name))
            return exercises::isRightAnswer(task.exercise, alias.mistake);
    return false;
}

} // namespace

TaskGrade gradeTask(const Task &task, const TaskWork *work, const std::vector<derivations::LawAlias> &aliases,
                    const std::vector<MistakeAlias> &mistakeAliases) {
    TaskGrade grade;
    if (!work)
        return grade;
    grade.mark = Mark::Tried;
    grade.hints = work->hints;
    bool right = false;
    switch (task.kind) {
    case TaskKind::Prove:
    case TaskKind::Simplify:
        gradeChain(task, *work, aliases, grade);
        return grade;
    case TaskKind::Table:
        right = tableRight(task, *work);
        break;
    case TaskKind::Map:
        right = mapRight(task, *work);
        break;
    case TaskKind::Law:
        right = lawRight(task, *work, aliases, mistakeAliases);
        break;
    }
    if (right)
        grade.mark = Mark::Solved;
    return grade;
}

std::vector<TaskGrade> gradeAnswers(const Assignment &assignment, const Answers &answers,
                                    const std::vector<derivations::LawAlias> &aliases,
                                    const std::vector<MistakeAlias> &mistakeAliases) {
    std::vector<TaskGrade> grades;
    for (std::size_t i = 0; i < assignment.tasks.size(); ++i) {
        const auto work = std::find_if(answers.work.begin(), answers.work.end(),
                                       [&](const TaskWork &block) { return block.task == int(i) + 1; });
        grades.push_back(gradeTask(assignment.tasks[i], work == answers.work.end() ? nullptr : &*work,
                                   aliases, mistakeAliases));
    }
    return grades;
}

int solvedCount(const std::vector<TaskGrade> &grades) {
    return int(std::count_if(grades.begin(), grades.end(),
                             [](const TaskGrade &grade) { return grade.mark == Mark::Solved; }));
}

bool usedForbiddenHints(const Assignment &assignment, const std::vector<TaskGrade> &grades) {
    return !assignment.hints &&
           std::any_of(grades.begin(), grades.end(), [](const TaskGrade &grade) { return grade.hints > 0; });
}

} // namespace homework
