// SPDX-License-Identifier: GPL-3.0-or-later
#include "formula_tree.h"

#include "formula_reader.h"

#include <utility>

namespace formulas {

namespace {

Operator operatorOf(Step step) { return static_cast<Operator>(step); }

// The postfix steps of one side built into a tree with a stack of operands.
Tree treeOf(const Postfix &steps) {
    std::vector<Tree> operands;
    for (const PostfixStep &step : steps) {
        switch (step.step) {
        case Step::Variable:
            operands.push_back(variable(char('A' + step.letter)));
            break;
        case Step::False:
        case Step::True:
            operands.push_back(constant(step.step == Step::True));
            break;
        case Step::Not:
            operands.back() = negation(std::move(operands.back()));
            break;
        default: {
            Tree right = std::move(operands.back());
            operands.pop_back();
            operands.back() =
                combination(operatorOf(step.step), {std::move(operands.back()), std::move(right)});
        }
        }
    }
    return std::move(operands.back());
}

} // namespace

Tree variable(char letter) { return std::make_shared<const Node>(Node{Operator::Variable, letter, {}}); }

Tree constant(bool value) {
    static const Tree zero = std::make_shared<const Node>(Node{Operator::False, 0, {}});
    static const Tree one = std::make_shared<const Node>(Node{Operator::True, 0, {}});
    return value ? one : zero;
}

Tree negation(Tree operand) {
    return std::make_shared<const Node>(Node{Operator::Not, 0, {std::move(operand)}});
}

Tree combination(Operator op, std::vector<Tree> operands) {
    return std::make_shared<const Node>(Node{op, 0, std::move(operands)});
}

std::variant<Equation, ReadError> readTree(std::u32string_view text) {
    auto read = readFormula(text);
    if (auto *error = std::get_if<ReadError>(&read))
        return std::move(*error);
    const ReadFormula &formula = std::get<ReadFormula>(read);
    return Equation{treeOf(formula.left), formula.right ? treeOf(*formula.right) : Tree()};
}

Postfix postfixOf(const Tree &tree) {
    // Each entry is a node to visit, or (emit) a node whose operator is put
    // out there: a chain a ^ b ^ c becomes a b ^ c ^.
    struct Entry {
        const Node *node;
        bool emit;
    };
    Postfix steps;
    std::vector<Entry> pending{{tree.get(), false}};
    while (!pending.empty()) {
        const Entry entry = pending.back();
        pending.pop_back();
        const Node &node = *entry.node;
        if (entry.emit || node.operands.empty()) {
            const std::uint8_t letter = node.op == Operator::Variable ? std::uint8_t(node.letter - 'A') : 0;
            steps.push_back({static_cast<Step>(node.op), letter});
            continue;
        }
        for (std::size_t i = node.operands.size(); i-- > 0;) {
            if (i > 0 || node.op == Operator::Not)
                pending.push_back({&node, true});
            pending.push_back({node.operands[i].get(), false});
        }
    }
    return steps;
}

std::uint32_t lettersOf(const Tree &tree) {
    std::uint32_t letters = 0;
    for (const PostfixStep &step : postfixOf(tree))
        if (step.step == Step::Variable)
            letters |= std::uint32_t(1) << step.letter;
    return letters;
}

bool sameTree(const Tree &a, const Tree &b) {
    std::vector<std::pair<const Node *, const Node *>> pending{{a.get(), b.get()}};
    while (!pending.empty()) {
        auto [x, y] = pending.back();
        pending.pop_back();
        if (x == y)
            continue;
        if (x->op != y->op || x->letter != y->letter || x->operands.size() != y->operands.size())
            return false;
        for (std::size_t i = 0; i < x->operands.size(); ++i)
            pending.push_back({x->operands[i].get(), y->operands[i].get()});
    }
    return true;
}

} // namespace formulas
