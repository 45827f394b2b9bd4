// SPDX-License-Identifier: GPL-3.0-or-later
#include "random_formula.h"

#include "working_form.h"

#include <vector>

namespace exercises {

namespace {

using formulas::Operator;
using formulas::Tree;

struct Builder {
    RandomSource &random;
    const FormulaShape &shape;
    int definitionsLeft;

    Operator binaryOperator() {
        if (definitionsLeft > 0 && (shape.implication || shape.equivalenceAndXor) && random.oneIn(3)) {
            --definitionsLeft;
            if (!shape.equivalenceAndXor)
                return Operator::Implies;
            const Operator choices[] = {Operator::Implies, Operator::Equivalent, Operator::Xor};
            return choices[shape.implication ? random.below(3) : 1 + random.below(2)];
        }
        return random.oneIn(2) ? Operator::And : Operator::Or;
    }

    // The leaves [first, last) joined into one tree. A formula has at most a
    // dozen leaves, so the depth of the calls is as small.
    Tree build(const std::vector<char> &leaves, std::size_t first, std::size_t last) {
        if (last - first == 1) {
            Tree letter = formulas::variable(leaves[first]);
            return random.oneIn(3) ? formulas::negation(letter) : letter;
        }
        const std::size_t middle = first + 1 + random.below(unsigned(last - first - 1));
        Tree left = build(leaves, first, middle);
        Tree right = build(leaves, middle, last);
        Tree joined = formulas::combination(binaryOperator(), {std::move(left), std::move(right)});
        return random.oneIn(5) ? formulas::negation(joined) : joined;
    }
};

char letterOfLiteral(const Tree &tree) {
    if (tree->op == Operator::Not)
        return tree->operands[0]->op == Operator::Variable ? tree->operands[0]->letter : 0;
    return tree->op == Operator::Variable ? tree->letter : 0;
}

// Two literals of one letter side by side in a chain of "^" or "v", once the
// chains are flattened: A ^ B ^ A, B v A v !A.
bool joinsLetterToItself(const Tree &tree) {
    if (tree->op == Operator::And || tree->op == Operator::Or) {
        std::uint32_t seen = 0;
        for (const Tree &item : derivations::itemsOf(tree->op, tree)) {
            const char letter = letterOfLiteral(item);
            if (letter && (seen & (1u << (letter - 'A'))))
                return true;
            if (letter)
                seen |= 1u << (letter - 'A');
        }
    } else if (tree->operands.size() == 2) {
        const char left = letterOfLiteral(tree->operands[0]);
        if (left && left == letterOfLiteral(tree->operands[1]))
            return true;
    }
    for (const Tree &operand : tree->operands)
        if (joinsLetterToItself(operand))
            return true;
    return false;
}

} // namespace

std::optional<Tree> randomFormula(RandomSource &random, const FormulaShape &shape) {
    std::vector<char> leaves;
    for (int letter = 0; letter < shape.letters; ++letter)
        leaves.push_back(char('A' + letter));
    while (int(leaves.size()) < shape.leaves)
        leaves.push_back(char('A' + random.below(unsigned(shape.letters))));
    for (int attempt = 0; attempt < 8; ++attempt) {
        random.shuffle(leaves);
        Tree formula = Builder{random, shape, shape.maxDefinitions}.build(leaves, 0, leaves.size());
        if (!joinsLetterToItself(formula))
            return formula;
    }
    return std::nullopt;
}

int literalsOf(const Tree &tree) {
    if (tree->op == Operator::Variable)
        return 1;
    int count = 0;
    for (const Tree &operand : tree->operands)
        count += literalsOf(operand);
    return count;
}

bool usesDefinitions(const Tree &tree) {
    if (tree->op == Operator::Implies || tree->op == Operator::Equivalent || tree->op == Operator::Xor)
        return true;
    for (const Tree &operand : tree->operands)
        if (usesDefinitions(operand))
            return true;
    return false;
}

} // namespace exercises
