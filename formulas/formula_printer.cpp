// SPDX-License-Identifier: GPL-3.0-or-later
#include "formula_printer.h"

#include <string_view>

namespace formulas {

namespace {

// How tightly an operator binds, tightest highest, as the reader reads them.
int bindingOf(Operator op) {
    switch (op) {
    case Operator::Not:
        return 6;
    case Operator::And:
        return 5;
    case Operator::Or:
        return 4;
    case Operator::Xor:
        return 3;
    case Operator::Implies:
        return 2;
    case Operator::Equivalent:
        return 1;
    default:
        return 7;
    }
}

std::string_view symbolOf(Operator op) {
    switch (op) {
    case Operator::And:
        return " ^ ";
    case Operator::Or:
        return " v ";
    case Operator::Xor:
        return " Xor ";
    case Operator::Implies:
        return " -> ";
    default:
        return " <--> ";
    }
}

// Whether operand `index` of `parent` must stand in parentheses: a looser
// operator always, the same operator where the reader would group it the
// other way.
bool needsParentheses(const Node &parent, std::size_t index, const Node &operand) {
    const int outer = bindingOf(parent.op), inner = bindingOf(operand.op);
    if (inner != outer)
        return inner < outer;
    if (parent.op == Operator::Not)
        return false;
    const std::size_t groupingSide = parent.op == Operator::Implies ? parent.operands.size() - 1 : 0;
    return index != groupingSide;
}

} // namespace

std::string printed(const Tree &tree) {
    // Pieces still to write, last first: either a node or a fixed text.
    struct Piece {
        const Node *node;
        std::string_view text;
    };
    std::string text;
    std::vector<Piece> pending{{tree.get(), {}}};
    while (!pending.empty()) {
        const Piece piece = pending.back();
        pending.pop_back();
        if (!piece.node) {
            text += piece.text;
            continue;
        }
        const Node &node = *piece.node;
        switch (node.op) {
        case Operator::Variable:
            text += node.letter;
            continue;
        case Operator::False:
        case Operator::True:
            text += node.op == Operator::True ? '1' : '0';
            continue;
        default:
            break;
        }
        if (node.op == Operator::Not)
            text += '!';
        for (std::size_t i = node.operands.size(); i-- > 0;) {
            const Node &operand = *node.operands[i];
            const bool parentheses = needsParentheses(node, i, operand);
            if (parentheses)
                pending.push_back({nullptr, ")"});
            pending.push_back({&operand, {}});
            if (parentheses)
                pending.push_back({nullptr, "("});
            if (i > 0)
                pending.push_back({nullptr, symbolOf(node.op)});
        }
    }
    return text;
}

std::string printed(const Equation &equation) {
    return equation.right ? printed(equation.left) + " = " + printed(equation.right) : printed(equation.left);
}

} // namespace formulas
