// SPDX-License-Identifier: GPL-3.0-or-later
#include "rewrites.h"

#include "tree_helpers.h"

#include <algorithm>
#include <functional>
#include <optional>

namespace derivations {

namespace {

using formulas::combination;
using formulas::constant;
using formulas::negation;
using Emit = std::function<void(std::size_t kind, Tree)>;

// The chain's items without those at the given places, with `put` (if any)
// at the first of them.
Tree replaced(Operator op, const std::vector<Tree> &items, std::vector<std::size_t> gone, const Tree &put) {
    std::vector<Tree> kept;
    bool placed = false;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (std::find(gone.begin(), gone.end(), i) == gone.end()) {
            kept.push_back(items[i]);
        } else if (!placed && put) {
            kept.push_back(put);
            placed = true;
        }
    }
    return chainOf(op, std::move(kept));
}

// Calls local on every node, turning each replacement into the whole formula.
void everywhere(const Tree &tree,
                const std::function<void(const Tree &, const std::function<void(Tree)> &)> &local,
                const std::function<void(Tree)> &whole) {
    local(tree, whole);
    for (std::size_t i = 0; i < tree->operands.size(); ++i) {
        everywhere(tree->operands[i], local, [&](Tree changed) {
            std::vector<Tree> operands = tree->operands;
            operands[i] = std::move(changed);
            whole(isChain(tree) ? chainOf(tree->op, std::move(operands))
                                : combination(tree->op, std::move(operands)));
        });
    }
}

// The laws left to right at one node.
void lawsAt(const Tree &node, const LawSet &laws, const std::function<void(LawId, Tree)> &emit) {
    const Operator op = node->op;
    const auto has = [&](LawId law) { return laws[std::size_t(law)]; };
    if (op == Operator::Not) {
        const Tree &inner = node->operands[0];
        if (has(LawId::DoubleNegation) && inner->op == Operator::Not)
            emit(LawId::DoubleNegation, inner->operands[0]);
        if (has(LawId::ConstantNegation) && inner->operands.empty() && inner->op != Operator::Variable)
            emit(LawId::ConstantNegation, constant(inner->op == Operator::False));
        if (has(LawId::DeMorgan) && isChain(inner)) {
            const std::vector<Tree> &items = inner->operands;
            std::vector<Tree> negated;
            for (const Tree &item : items)
                negated.push_back(negation(item));
            emit(LawId::DeMorgan, chainOf(dualOf(inner->op), negated));
            if (items.size() > 2) // !(A ^ B) with A one operand and B the rest
                for (std::size_t i = 0; i < items.size(); ++i)
                    emit(LawId::DeMorgan,
                         chainOf(dualOf(inner->op),
                                 {negation(items[i]), negation(chainOf(inner->op, without(items, i)))}));
        }
        return;
    }
    if (node->operands.size() == 2 && !isChain(node)) {
        const Tree &x = node->operands[0], &y = node->operands[1];
        if (op == Operator::Xor && has(LawId::XorDefinition))
            emit(LawId::XorDefinition, chainOf(Operator::Or, {chainOf(Operator::And, {x, negation(y)}),
                                                              chainOf(Operator::And, {negation(x), y})}));
        if (op == Operator::Implies && has(LawId::ImplicationDefinition))
            emit(LawId::ImplicationDefinition, chainOf(Operator::Or, {negation(x), y}));
        if (op == Operator::Equivalent && has(LawId::EquivalenceDefinition))
            emit(LawId::EquivalenceDefinition,
                 chainOf(Operator::Or, {chainOf(Operator::And, {negation(x), negation(y)}),
                                        chainOf(Operator::And, {x, y})}));
        return;
    }
    if (!isChain(node))
        return;
    const Operator dual = dualOf(op);
    const std::vector<Tree> &items = node->operands;
    const std::size_t n = items.size();
    const bool isAnd = op == Operator::And;
    for (std::size_t i = 0; i < n; ++i) {
        // A ^ 1 = A, A v 0 = A; A ^ 0 = 0, A v 1 = 1.
        if (has(LawId::Neutral) && isConstant(items[i], isAnd))
            emit(LawId::Neutral, replaced(op, items, {i}, nullptr));
        if (has(LawId::Null) && isConstant(items[i], !isAnd)) {
            emit(LawId::Null, constant(!isAnd));
            if (n > 2)
                for (std::size_t j = 0; j < n; ++j)
                    if (j != i)
                        emit(LawId::Null, replaced(op, items, {j}, nullptr));
        }
        // A ^ (B v C) = (A ^ B) v (A ^ C), A being one operand or all the others.
        if (has(LawId::Distributive) && items[i]->op == dual) {
            const std::vector<Tree> &spread = items[i]->operands;
            std::vector<Tree> factors;
            for (std::size_t j = 0; j < n; ++j)
                if (j != i)
                    factors.push_back(items[j]);
            std::vector<std::pair<Tree, std::vector<std::size_t>>> choices;
            for (std::size_t j = 0; j < n; ++j)
                if (j != i)
                    choices.push_back({items[j], {j, i}});
            if (n > 2) {
                std::vector<std::size_t> all(n);
                for (std::size_t j = 0; j < n; ++j)
                    all[j] = j;
                choices.push_back({chainOf(op, factors), all});
            }
            for (const auto &[factor, gone] : choices) {
                std::vector<Tree> terms;
                for (const Tree &term : spread)
                    terms.push_back(chainOf(op, {factor, term}));
                emit(LawId::Distributive, replaced(op, items, gone, chainOf(dual, terms)));
                if (spread.size() > 2) // B one operand, C the others
                    for (std::size_t m = 0; m < spread.size(); ++m)
                        emit(LawId::Distributive,
                             replaced(
                                 op, items, gone,
                                 chainOf(dual, {chainOf(op, {factor, spread[m]}),
                                                chainOf(op, {factor, chainOf(dual, without(spread, m))})})));
            }
        }
        for (std::size_t j = 0; j < n; ++j) {
            if (j == i)
                continue;
            if (j > i && has(LawId::Idempotence) && same(items[i], items[j]))
                emit(LawId::Idempotence, replaced(op, items, {j}, nullptr));
            if (j > i && complementary(items[i], items[j])) {
                if (!isAnd && has(LawId::ExcludedMiddle))
                    emit(LawId::ExcludedMiddle, replaced(op, items, {i, j}, constant(true)));
                if (isAnd && has(LawId::Contradiction))
                    emit(LawId::Contradiction, replaced(op, items, {i, j}, constant(false)));
            }
            const std::vector<Tree> x = itemsOf(dual, items[i]), y = itemsOf(dual, items[j]);
            // A v (A ^ B) = A
            if (has(LawId::Absorption) && y.size() > x.size())
                if (auto rest = remainder(x, y); rest && !rest->empty())
                    emit(LawId::Absorption, replaced(op, items, {j}, nullptr));
            // A v (!A ^ B) = A v B
            if (has(LawId::Simplification) && y.size() >= 2)
                for (std::size_t k = 0; k < y.size(); ++k)
                    if (complementary(items[i], y[k]))
                        emit(LawId::Simplification, replaced(op, items, {j}, chainOf(dual, without(y, k))));
            if (j < i || x.size() < 2 || y.size() < 2)
                continue;
            for (std::size_t a = 0; a < x.size(); ++a)
                for (std::size_t b = 0; b < y.size(); ++b) {
                    if (!complementary(x[a], y[b]))
                        continue;
                    const std::vector<Tree> restX = without(x, a), restY = without(y, b);
                    // (A ^ B) v (A ^ !B) = A
                    if (has(LawId::Gluing) && remainder(restX, restY) && restX.size() == restY.size())
                        emit(LawId::Gluing, replaced(op, items, {i, j}, chainOf(dual, restX)));
                    // (A ^ B) v (!A ^ C) = (A v C) ^ (!A v B)
                    if (has(LawId::Transposition))
                        emit(LawId::Transposition,
                             replaced(op, items, {i, j},
                                      chainOf(dual, {chainOf(op, {x[a], chainOf(dual, restY)}),
                                                     chainOf(op, {y[b], chainOf(dual, restX)})})));
                    // (A ^ B) v (!A ^ C) v (B ^ C): the last goes
                    if (has(LawId::Consensus)) {
                        std::vector<Tree> both = restX;
                        both.insert(both.end(), restY.begin(), restY.end());
                        for (std::size_t k = 0; k < n; ++k) {
                            if (k == i || k == j)
                                continue;
                            const std::vector<Tree> z = itemsOf(dual, items[k]);
                            if (z.size() == both.size() && remainder(both, z))
                                emit(LawId::Consensus, replaced(op, items, {k}, nullptr));
                        }
                    }
                }
        }
    }
}

// The ways back that a search takes, at one node: a common factor taken
// out, De Morgan and the definitions read right to left, and the few
// introductions of a textbook.
void backwardsAt(const Tree &node, bool isOperand, Operator parent, const LawSet &laws,
                 const std::vector<char> &letters, const std::function<void(LawId, Tree)> &emit) {
    const auto has = [&](LawId law) { return laws[std::size_t(law)]; };
    const Operator op = node->op;
    // A term of a chain times 1 (plus 0): the start of every absorption.
    if (has(LawId::Neutral) && isOperand && (parent == Operator::Or || parent == Operator::And) &&
        !isConstant(node, true) && !isConstant(node, false)) {
        if (parent == Operator::Or)
            emit(LawId::Neutral, chainOf(Operator::And, {node, constant(true)}));
        else
            emit(LawId::Neutral, chainOf(Operator::Or, {node, constant(false)}));
    }
    // A 1 in a product is Y v !Y; a 0 in a sum is Y ^ !Y.
    if (isOperand && parent == Operator::And && isConstant(node, true) && has(LawId::ExcludedMiddle))
        for (char letter : letters)
            emit(LawId::ExcludedMiddle,
                 chainOf(Operator::Or, {formulas::variable(letter), negation(formulas::variable(letter))}));
    if (isOperand && parent == Operator::Or && isConstant(node, false) && has(LawId::Contradiction))
        for (char letter : letters)
            emit(LawId::Contradiction,
                 chainOf(Operator::And, {formulas::variable(letter), negation(formulas::variable(letter))}));
    if (op != Operator::And && op != Operator::Or)
        return;
    const Operator dual = dualOf(op);
    const std::vector<Tree> &items = node->operands;
    const std::size_t n = items.size();
    // (A ^ B) v (A ^ C) = A ^ (B v C), over every term that holds A.
    if (has(LawId::Distributive)) {
        for (std::size_t i = 0; i < n; ++i) {
            const std::vector<Tree> first = itemsOf(dual, items[i]);
            if (first.size() < 2)
                continue;
            for (std::size_t f = 0; f < first.size(); ++f) {
                const Tree &factor = first[f];
                std::vector<std::size_t> holders{i};
                std::vector<Tree> rests{chainOf(dual, without(first, f))};
                bool seenBefore = false;
                for (std::size_t j = 0; j < n; ++j) {
                    if (j == i)
                        continue;
                    const std::vector<Tree> other = itemsOf(dual, items[j]);
                    if (other.size() < 2)
                        continue;
                    auto rest = remainder({factor}, other);
                    if (!rest)
                        continue;
                    seenBefore = seenBefore || j < i;
                    holders.push_back(j);
                    rests.push_back(chainOf(dual, *rest));
                }
                if (seenBefore || holders.size() < 2)
                    continue;
                emit(LawId::Distributive,
                     replaced(op, items, holders, chainOf(dual, {factor, chainOf(op, rests)})));
                if (holders.size() > 2)
                    for (std::size_t h = 1; h < holders.size(); ++h)
                        emit(LawId::Distributive,
                             replaced(op, items, {holders[0], holders[h]},
                                      chainOf(dual, {factor, chainOf(op, {rests[0], rests[h]})})));
            }
        }
    }
    // !A v !B = !(A ^ B), over every negated operand.
    if (has(LawId::DeMorgan)) {
        std::vector<std::size_t> negated;
        std::vector<Tree> inner;
        for (std::size_t i = 0; i < n; ++i)
            if (items[i]->op == Operator::Not) {
                negated.push_back(i);
                inner.push_back(items[i]->operands[0]);
            }
        if (negated.size() >= 2)
            emit(LawId::DeMorgan, replaced(op, items, negated, negation(chainOf(dual, inner))));
    }
    if (n != 2 || op != Operator::Or)
        return;
    // !A v B = A -> B
    if (has(LawId::ImplicationDefinition))
        for (std::size_t i = 0; i < 2; ++i)
            if (items[i]->op == Operator::Not)
                emit(LawId::ImplicationDefinition,
                     combination(Operator::Implies, {items[i]->operands[0], items[1 - i]}));
}

} // namespace

LawSet allLaws() { return LawSet().set(); }

LawSet basicLaws() {
    LawSet laws;
    for (std::size_t law = 0; law < basicLawCount; ++law)
        laws.set(law);
    return laws;
}

std::vector<Rewrite> lawRewrites(const Tree &given, const LawSet &laws) {
    std::vector<Rewrite> rewrites;
    everywhere(
        flattened(given),
        [&](const Tree &node, const std::function<void(Tree)> &whole) {
            lawsAt(node, laws, [&](LawId law, Tree local) {
                const std::size_t before = rewrites.size();
                whole(std::move(local));
                for (std::size_t i = before; i < rewrites.size(); ++i)
                    rewrites[i].law = law;
            });
        },
        [&](Tree result) {
            rewrites.push_back({LawId::Commutative, std::move(result)});
        });
    return rewrites;
}

std::vector<Rewrite> localRewrites(const Tree &node, const LawSet &laws) {
    std::vector<Rewrite> rewrites;
    lawsAt(node, laws, [&](LawId law, Tree local) { rewrites.push_back({law, std::move(local)}); });
    return rewrites;
}

std::vector<Rewrite> searchMoves(const Tree &given, const LawSet &laws, const std::vector<char> &letters) {
    const Tree tree = flattened(given);
    std::vector<Rewrite> moves = lawRewrites(tree, laws);
    // Every node with its parent's operator, so that a term knows it is one.
    const std::function<void(const Tree &, bool, Operator, const std::function<void(Tree)> &)> visit =
        [&](const Tree &node, bool isOperand, Operator parent, const std::function<void(Tree)> &whole) {
            backwardsAt(node, isOperand, parent, laws, letters, [&](LawId law, Tree local) {
                const std::size_t before = moves.size();
                whole(std::move(local));
                for (std::size_t i = before; i < moves.size(); ++i)
                    moves[i].law = law;
            });
            for (std::size_t i = 0; i < node->operands.size(); ++i)
                visit(node->operands[i], true, node->op, [&](Tree changed) {
                    std::vector<Tree> operands = node->operands;
                    operands[i] = std::move(changed);
                    whole(isChain(node) ? chainOf(node->op, std::move(operands))
                                        : combination(node->op, std::move(operands)));
                });
        };
    visit(tree, false, Operator::False, [&](Tree result) {
        moves.push_back({LawId::Commutative, std::move(result)});
    });
    return moves;
}

} // namespace derivations
