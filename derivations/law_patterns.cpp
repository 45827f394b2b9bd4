// SPDX-License-Identifier: GPL-3.0-or-later
#include "law_patterns.h"

#include "tree_helpers.h"

#include <variant>

namespace derivations {

namespace {

bool holdsOperator(const Tree &tree, Operator op) {
    if (tree->op == op)
        return true;
    for (const Tree &operand : tree->operands)
        if (holdsOperator(operand, op))
            return true;
    return false;
}

Tree asWritten(std::string_view text) {
    const std::u32string characters(text.begin(), text.end()); // the table is ASCII
    return std::get<formulas::Equation>(formulas::readTree(characters)).left;
}

// The first law whose rules only reorder, keeping the grouping (or the order) alike.
LawId firstReordering(bool keepsOrder) {
    for (const CompiledRule &rule : compiledRules()) {
        if (!rule.reordersOnly)
            continue;
        const Sides &sides = lawEntry(rule.law).rules.front();
        const Tree left = asWritten(sides.left), right = asWritten(sides.right);
        if (keepsOrder ? groupingKey(left) == groupingKey(right) : orderKey(left) == orderKey(right))
            return rule.law;
    }
    return LawId();
}

} // namespace

LawId regroupingLaw() {
    static const LawId law = firstReordering(true);
    return law;
}

LawId reorderingLaw() {
    static const LawId law = firstReordering(false);
    return law;
}

bool reordersOnly(LawId law) {
    for (const CompiledRule &rule : compiledRules())
        if (rule.law == law && !rule.reordersOnly)
            return false;
    return !lawEntry(law).rules.empty();
}

const std::vector<CompiledRule> &compiledRules() {
    static const std::vector<CompiledRule> rules = [] {
        std::vector<CompiledRule> all;
        for (std::size_t law = 0; law < lawCount; ++law) {
            // The derived laws read a negated letter either way round, so
            // that !A v A ^ B into !A v B is the simplification theorem.
            const bool eitherWay = !isBasic(LawId(law));
            for (const LawRule &rule : lawEntry(LawId(law)).rules) {
                CompiledRule compiled{
                    LawId(law),
                    compiledPattern(rule.left, rule.right, eitherWay, rule.spread, rule.oneOrAll),
                    compiledPattern(rule.right, rule.left, eitherWay, rule.spread, rule.oneOrAll),
                    rule.back,
                    false,
                    {}};
                compiled.reordersOnly = acKey(compiled.forward.left) == acKey(compiled.forward.right);
                for (const ProofLine &line : rule.proof)
                    compiled.proof.push_back({patternTree(line.formula), line.law});
                all.push_back(std::move(compiled));
            }
        }
        return all;
    }();
    return rules;
}

std::optional<LawId> definitionOf(Operator op) {
    for (const CompiledRule &rule : compiledRules()) {
        const Tree &left = rule.forward.left;
        if (left->op == op && !isChain(op) && left->operands.size() == 2 &&
            !holdsOperator(rule.forward.right, op))
            return rule.law;
    }
    return std::nullopt;
}

Tree withEveryLetter(const Tree &pattern, const Tree &value) {
    if (pattern->op == Operator::Variable)
        return value;
    if (pattern->operands.empty())
        return pattern;
    std::vector<Tree> operands;
    for (const Tree &operand : pattern->operands)
        operands.push_back(withEveryLetter(operand, value));
    return isChain(pattern) ? chainOf(pattern->op, std::move(operands))
                            : formulas::combination(pattern->op, std::move(operands));
}

} // namespace derivations
