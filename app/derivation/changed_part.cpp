// SPDX-License-Identifier: GPL-3.0-or-later
#include "changed_part.h"

#include "step_check.h"

#include <string>
#include <vector>

using derivations::acKey;
using derivations::chainOf;
using formulas::Operator;
using formulas::Tree;

namespace {

bool isChain(Operator op) { return op == Operator::And || op == Operator::Or; }

struct ChainDifference {
    std::vector<Tree> removed; // operands of before missing from after, in before's order
    std::vector<Tree> added;
    std::vector<Tree> kept;
};

ChainDifference differenceOf(const Tree &before, const Tree &after) {
    ChainDifference difference;
    std::vector<std::string> unmatched;
    for (const Tree &operand : after->operands)
        unmatched.push_back(acKey(operand));
    std::vector<bool> used(unmatched.size(), false);
    for (const Tree &operand : before->operands) {
        const std::string key = acKey(operand);
        bool found = false;
        for (std::size_t i = 0; i < unmatched.size() && !found; ++i)
            if (!used[i] && unmatched[i] == key)
                used[i] = found = true;
        (found ? difference.kept : difference.removed).push_back(operand);
    }
    for (std::size_t i = 0; i < used.size(); ++i)
        if (!used[i])
            difference.added.push_back(after->operands[i]);
    return difference;
}

// The one operand where two nodes of the same fixed arity differ, if only one does.
int soleDifferentOperand(const Tree &before, const Tree &after) {
    if (before->operands.size() != after->operands.size())
        return -1;
    int different = -1;
    for (std::size_t i = 0; i < before->operands.size(); ++i)
        if (acKey(before->operands[i]) != acKey(after->operands[i])) {
            if (different >= 0)
                return -1;
            different = int(i);
        }
    return different;
}

// The neighbour first: "A v (A ^ B)" reads as the law's table writes it.
std::vector<Tree> joined(const Tree &neighbour, const std::vector<Tree> &items) {
    std::vector<Tree> all{neighbour};
    all.insert(all.end(), items.begin(), items.end());
    return all;
}

} // namespace

Tree changedPart(const Tree &before, const Tree &after, derivations::LawId law) {
    Tree from = derivations::flattened(before);
    Tree to = derivations::flattened(after);
    while (from->op == to->op) {
        if (!isChain(from->op)) {
            const int operand = soleDifferentOperand(from, to);
            if (operand < 0)
                break;
            from = from->operands[std::size_t(operand)];
            to = to->operands[std::size_t(operand)];
            continue;
        }
        const ChainDifference difference = differenceOf(from, to);
        if (difference.removed.size() == 1 && difference.added.size() == 1 &&
            derivations::isStepBy(difference.removed[0], difference.added[0], law)) {
            from = difference.removed[0];
            to = difference.added[0];
            continue;
        }
        const Operator op = from->op;
        if (difference.removed.size() > 1 &&
            derivations::isStepBy(chainOf(op, difference.removed), chainOf(op, difference.added), law))
            return chainOf(op, difference.removed);
        for (const Tree &neighbour : difference.kept)
            if (derivations::isStepBy(chainOf(op, joined(neighbour, difference.removed)),
                                      chainOf(op, joined(neighbour, difference.added)), law))
                return chainOf(op, joined(neighbour, difference.removed));
        break;
    }
    return from;
}
