// SPDX-License-Identifier: GPL-3.0-or-later
#include "answers.h"
#include "utf8_lines.h"

#include "formula_tree.h"
#include "sum_of_products.h"
#include "working_form.h"

#include <array>
#include <charconv>

namespace homework {

namespace {

struct HeaderKey {
    const char *bulgarian;
    const char *english;
};
constexpr std::array<HeaderKey, 3> headerKeys{{
    {"отговори", "answers"},
    {"задание", "assignment"},
    {"ученик", "student"},
}};

bool isHintsKey(std::string_view key) { return key == "подсказки" || key == "hints"; }

std::optional<std::size_t> headerIndex(std::string_view key) {
    for (std::size_t i = 0; i < headerKeys.size(); ++i)
        if (key == headerKeys[i].bulgarian || key == headerKeys[i].english)
            return i;
    return std::nullopt;
}

std::optional<int> numberOf(std::string_view digits) {
    int number = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
    if (digits.empty() || digits.size() > 6 || error != std::errc() || end != digits.data() + digits.size())
        return std::nullopt;
    return number;
}

// "задача 3" or "task 3": the number as written, or none for another line.
std::optional<std::string_view> blockNumber(std::string_view line) {
    const std::size_t blank = line.find_first_of(" \t");
    if (blank == std::string_view::npos)
        return std::nullopt;
    const std::string word = lowered(line.substr(0, blank));
    if (word != "задача" && word != "task")
        return std::nullopt;
    return trimmed(line.substr(blank));
}

// A group on a map: a product of literals, each letter once, or "1".
bool isProductLine(std::string_view line) {
    auto read = formulas::readTree(toU32(line));
    const auto *equation = std::get_if<formulas::Equation>(&read);
    if (!equation || equation->right || equation->left->op == formulas::Operator::False ||
        equation->left->op == formulas::Operator::Or)
        return false;
    const formulas::Tree product = derivations::flattened(equation->left);
    std::vector<char> letters;
    for (int letter = 0; letter < 26; ++letter)
        if (formulas::lettersOf(product) & (1u << letter))
            letters.push_back(char('A' + letter));
    const auto terms = derivations::termsOf(product, letters);
    return terms && terms->size() == 1;
}

bool isTableLine(std::string_view line, const Task &task) {
    const std::optional<TableValues> values = tableValues(line);
    const std::size_t rows = std::size_t(1) << task.exercise.letters.size();
    return values && values->left.size() == rows && values->hasRight == bool(task.exercise.goal) &&
           (!values->hasRight || values->right.size() == rows);
}

// Whether the line is work of the task's kind, the block holding `held`
// lines of work before it.
bool isWork(std::string_view line, const Task &task, std::size_t held) {
    // A law's name may end in a colon, as the catalogue writes them.
    const bool named = task.kind == TaskKind::Law && line.back() == ':';
    if (looksLikeKey(line) && !named)
        return false;
    switch (task.kind) {
    case TaskKind::Prove:
    case TaskKind::Simplify:
        return true;
    case TaskKind::Table:
        return held == 0 && isTableLine(line, task);
    case TaskKind::Map:
        return isProductLine(line);
    case TaskKind::Law:
        return held == 0;
    }
    return false;
}

AnswersError at(int line, AnswersProblem problem, std::string_view detail = {}) {
    return {line, problem, std::string(detail)};
}

} // namespace

std::variant<Answers, AnswersError> readAnswers(std::string_view utf8, const Assignment &assignment) {
    if (utf8.size() > maxFileSize)
        return at(0, AnswersProblem::TooLarge);
    if (!isUtf8(utf8))
        return at(0, AnswersProblem::NotUtf8);
    Answers answers;
    std::size_t headerRead = 0;
    TaskWork *block = nullptr;
    bool hintsRead = false;
    int number = 0;
    for (const std::string_view text : linesOf(utf8)) {
        ++number;
        const std::string_view line = trimmed(text);
        if (line.empty() || line.front() == '#')
            continue;
        const KeyedLine keyed = keyedLine(line);
        if (headerRead < headerKeys.size()) {
            const std::optional<std::size_t> index = keyed.hasColon ? headerIndex(keyed.key) : std::nullopt;
            if (!index)
                return at(number, AnswersProblem::MissingHeader, headerKeys[headerRead].bulgarian);
            if (*index != headerRead)
                return at(number, AnswersProblem::BadHeader, keyed.key);
            std::string &field = *index == 0   ? answers.title
                                 : *index == 1 ? answers.assignmentSha256
                                               : answers.student;
            field = std::string(keyed.value);
            ++headerRead;
            continue;
        }
        if (const std::optional<std::string_view> written = blockNumber(line)) {
            const std::optional<int> task = numberOf(*written);
            if (!task || *task < 1 || *task > int(assignment.tasks.size()) ||
                (!answers.work.empty() && *task <= answers.work.back().task))
                return at(number, AnswersProblem::BadTaskNumber, *written);
            block = &answers.work.emplace_back();
            block->task = *task;
            hintsRead = false;
            continue;
        }
        if (keyed.hasColon && headerIndex(keyed.key))
            return at(number, AnswersProblem::BadHeader, keyed.key);
        if (!block)
            return at(number, AnswersProblem::MalformedLine, line);
        if (keyed.hasColon && isHintsKey(keyed.key)) {
            const std::optional<int> hints = numberOf(keyed.value);
            if (hintsRead || !block->lines.empty())
                return at(number, AnswersProblem::MalformedLine, line);
            if (!hints)
                return at(number, AnswersProblem::BadHintsValue, keyed.value);
            block->hints = *hints;
            hintsRead = true;
            continue;
        }
        if (!isWork(line, assignment.tasks[std::size_t(block->task - 1)], block->lines.size()))
            return at(number, AnswersProblem::MalformedLine, line);
        block->lines.emplace_back(line);
        block->fileLines.push_back(number);
    }
    if (headerRead < headerKeys.size())
        return at(0, AnswersProblem::MissingHeader, headerKeys[headerRead].bulgarian);
    return answers;
}

} // namespace homework
