// SPDX-License-Identifier: GPL-3.0-or-later
#include "step_instances.h"

#include <algorithm>
#include <array>
#include <string>
#include <variant>

namespace exercises {

namespace {

using formulas::Operator;
using formulas::Tree;

Tree randomLetter(RandomSource &random) { return formulas::variable(char('A' + random.below(4))); }

Tree randomLiteral(RandomSource &random) {
    Tree letter = randomLetter(random);
    return random.oneIn(3) ? formulas::negation(letter) : letter;
}

// Two different letters joined, one of them perhaps negated.
Tree smallFormula(RandomSource &random) {
    const char first = char('A' + random.below(4));
    const char second = char('A' + (first - 'A' + 1 + random.below(3)) % 4);
    Tree right = formulas::variable(second);
    if (random.oneIn(2))
        right = formulas::negation(right);
    return formulas::combination(random.oneIn(2) ? Operator::And : Operator::Or,
                                 {formulas::variable(first), right});
}

Tree substituted(const Tree &tree, const std::array<Tree, 26> &by) {
    if (tree->op == Operator::Variable)
        return by[std::size_t(tree->letter - 'A')] ? by[std::size_t(tree->letter - 'A')] : tree;
    if (tree->operands.empty())
        return tree;
    std::vector<Tree> operands;
    for (const Tree &operand : tree->operands)
        operands.push_back(substituted(operand, by));
    return tree->op == Operator::Not ? formulas::negation(operands[0])
                                     : formulas::combination(tree->op, std::move(operands));
}

} // namespace

Tree patternTree(std::string_view text) {
    const std::u32string characters(text.begin(), text.end());
    return std::get<formulas::Equation>(formulas::readTree(characters)).left;
}

StepInstance renamedInstance(RandomSource &random, const Tree &before, const Tree &after) {
    const std::uint32_t letters = formulas::lettersOf(before) | formulas::lettersOf(after);
    std::vector<char> targets{'A', 'B', 'C', 'D'};
    random.shuffle(targets);
    std::array<Tree, 26> by{};
    std::vector<std::size_t> used;
    for (std::size_t letter = 0; letter < 26; ++letter)
        if (letters & (1u << letter)) {
            by[letter] = formulas::variable(targets[used.size() % targets.size()]);
            used.push_back(letter);
        }
    // A pattern that keeps its own letters gets a subformula at least.
    const bool renamed = std::any_of(used.begin(), used.end(), [&](std::size_t letter) {
        return by[letter]->letter != char('A' + letter);
    });
    if (!used.empty() && (!renamed || random.oneIn(2))) {
        const std::size_t swapped = used[random.below(unsigned(used.size()))];
        by[swapped] = random.oneIn(3) ? formulas::negation(by[swapped]) : smallFormula(random);
    }
    return {substituted(before, by), substituted(after, by)};
}

StepInstance insideLargerFormula(RandomSource &random, StepInstance step, int depth) {
    for (int level = 0; level < depth; ++level) {
        const Tree beside = random.oneIn(2) ? randomLiteral(random) : smallFormula(random);
        const Operator op = random.oneIn(2) ? Operator::And : Operator::Or;
        const bool besideFirst = random.oneIn(2);
        auto joined = [&](const Tree &part) {
            return besideFirst ? formulas::combination(op, {beside, part})
                               : formulas::combination(op, {part, beside});
        };
        step = {joined(step.before), joined(step.after)};
    }
    return step;
}

} // namespace exercises
