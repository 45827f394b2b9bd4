// SPDX-License-Identifier: GPL-3.0-or-later
#include "derived_steps.h"

#include "rewrites.h"
#include "tree_helpers.h"

#include <algorithm>
#include <functional>

namespace derivations {

namespace {

using formulas::constant;

using Items = std::vector<Tree>;
// Records the chain's next formula: the node's new items in their context.
using Emit = std::function<void(const Items &, LawId)>;

// The neutral element of op: 1 for "^", 0 for "v"; the null element of its dual.
Tree unitOf(Operator op) { return constant(op == Operator::And); }
// X v !X = 1 and X ^ !X = 0.
LawId complementLaw(Operator op) { return op == Operator::Or ? LawId::ExcludedMiddle : LawId::Contradiction; }

Items with(Items items, Tree more) {
    items.push_back(std::move(more));
    return items;
}
// Items without those at i and j, with `put` added at the end.
Items pairReplaced(const Items &items, std::size_t i, std::size_t j, Tree put) {
    Items kept;
    for (std::size_t k = 0; k < items.size(); ++k)
        if (k != i && k != j)
            kept.push_back(items[k]);
    kept.push_back(std::move(put));
    return kept;
}

// X v (X ^ R) = X, with op "v": X ^ 1 v X ^ R, X ^ (1 v R), X ^ 1, X.
// Item y goes; the others keep their places.
bool absorb(Operator op, Items &items, std::size_t x, std::size_t y, const Emit &emit) {
    const Operator dual = dualOf(op);
    const Tree kept = items[x];
    const Items factors = itemsOf(dual, kept);
    const auto rest = remainder(factors, itemsOf(dual, items[y]));
    if (!rest || rest->empty())
        return false;
    items[x] = chainOf(dual, with(factors, unitOf(dual)));
    emit(items, LawId::Neutral);
    items[x] = chainOf(dual, with(factors, chainOf(op, {unitOf(dual), chainOf(dual, *rest)})));
    items.erase(items.begin() + std::ptrdiff_t(y));
    if (y < x)
        --x;
    emit(items, LawId::Distributive);
    items[x] = chainOf(dual, with(factors, unitOf(dual)));
    emit(items, LawId::Null);
    items[x] = kept;
    emit(items, LawId::Neutral);
    return true;
}

// (A ^ B) v (!A ^ C) v (B ^ C), with op "v": the last term times 1, the 1 as
// A v !A, spread into A ^ B ^ C v !A ^ B ^ C, each absorbed by its neighbour.
// x holds a at p, y its complement at q; item z goes.
bool dropConsensus(Operator op, Items &items, std::size_t x, std::size_t p, std::size_t y, std::size_t q,
                   std::size_t z, const Emit &emit) {
    const Operator dual = dualOf(op);
    const Tree a = itemsOf(dual, items[x])[p], notA = itemsOf(dual, items[y])[q];
    const Items factors = itemsOf(dual, items[z]);
    items[z] = chainOf(dual, with(factors, unitOf(dual)));
    emit(items, LawId::Neutral);
    items[z] = chainOf(dual, with(factors, chainOf(op, {a, notA})));
    emit(items, complementLaw(op));
    items[z] = chainOf(dual, with(factors, a));
    items.push_back(chainOf(dual, with(factors, notA)));
    emit(items, LawId::Distributive);
    if (!absorb(op, items, x, z, emit))
        return false;
    if (z < y)
        --y;
    return absorb(op, items, y, items.size() - 1, emit);
}

// Every consensus term of the node that one law removes, tried until the
// node's items come to `goal`.
bool dropAnyConsensus(Operator op, const Items &start, const std::string &goal,
                      const std::function<void(const Tree &, LawId)> &emitNode,
                      std::vector<std::pair<Tree, LawId>> &out) {
    const Operator dual = dualOf(op);
    const std::size_t n = start.size();
    for (std::size_t x = 0; x < n; ++x)
        for (std::size_t y = 0; y < n; ++y) {
            if (x == y)
                continue;
            const Items xs = itemsOf(dual, start[x]), ys = itemsOf(dual, start[y]);
            for (std::size_t p = 0; p < xs.size(); ++p)
                for (std::size_t q = 0; q < ys.size(); ++q) {
                    if (!complementary(xs[p], ys[q]))
                        continue;
                    Items both = without(xs, p);
                    const Items restY = without(ys, q);
                    both.insert(both.end(), restY.begin(), restY.end());
                    for (std::size_t z = 0; z < n; ++z) {
                        if (z == x || z == y)
                            continue;
                        const Items zs = itemsOf(dual, start[z]);
                        if (zs.size() != both.size() || !remainder(both, zs))
                            continue;
                        if (acKey(chainOf(op, without(start, z))) != goal)
                            continue;
                        std::vector<std::pair<Tree, LawId>> steps;
                        Items items = start;
                        const bool done =
                            dropConsensus(op, items, x, p, y, q, z, [&](const Items &now, LawId law) {
                                steps.push_back({chainOf(op, now), law});
                            });
                        if (!done || acKey(steps.back().first) != goal)
                            continue;
                        for (auto &[node, law] : steps) {
                            emitNode(node, law);
                            out.push_back({node, law});
                        }
                        return true;
                    }
                }
        }
    return false;
}

// The steps that take the node (a flattened chain) to `goal` by `law`.
std::optional<std::vector<std::pair<Tree, LawId>>> expandAt(const Tree &node, const Tree &goal, LawId law) {
    const Operator op = node->op, dual = dualOf(op);
    const Items &start = node->operands;
    const std::string goalKey = acKey(goal);
    const std::size_t n = start.size();
    using Local = std::vector<std::pair<Tree, LawId>>;
    const auto attempt =
        [&](const std::function<bool(Items &, const Emit &)> &steps) -> std::optional<Local> {
        Local local;
        Items items = start;
        if (!steps(items, [&](const Items &now, LawId stepLaw) {
                local.push_back({chainOf(op, now), stepLaw});
            }))
            return std::nullopt;
        if (local.empty() || acKey(local.back().first) != goalKey)
            return std::nullopt;
        return local;
    };
    if (law == LawId::Consensus) {
        Local local;
        if (dropAnyConsensus(
                op, start, goalKey, [](const Tree &, LawId) {}, local))
            return local;
        return std::nullopt;
    }
    for (std::size_t i = 0; i < n; ++i)
        for (std::size_t j = 0; j < n; ++j) {
            if (i == j)
                continue;
            const Items xs = itemsOf(dual, start[i]), ys = itemsOf(dual, start[j]);
            if (law == LawId::Absorption)
                if (auto local = attempt(
                        [&](Items &items, const Emit &emit) { return absorb(op, items, i, j, emit); }))
                    return local;
            if (law == LawId::Simplification)
                // A v (!A ^ B) = A v B: (A v !A) ^ (A v B), 1 ^ (A v B), A v B.
                for (std::size_t k = 0; k < ys.size(); ++k) {
                    if (ys.size() < 2 || !complementary(start[i], ys[k]))
                        continue;
                    const Tree a = start[i], rest = chainOf(dual, without(ys, k));
                    if (auto local = attempt([&](Items &items, const Emit &emit) {
                            items = pairReplaced(
                                start, i, j,
                                chainOf(dual, {chainOf(op, {a, ys[k]}), chainOf(op, {a, rest})}));
                            emit(items, LawId::Distributive);
                            items.back() = chainOf(dual, {unitOf(dual), chainOf(op, {a, rest})});
                            emit(items, complementLaw(op));
                            items.back() = chainOf(op, {a, rest});
                            emit(items, LawId::Neutral);
                            return true;
                        }))
                        return local;
                }
            if (law != LawId::Gluing && law != LawId::Transposition)
                continue;
            for (std::size_t p = 0; p < xs.size(); ++p)
                for (std::size_t q = 0; q < ys.size(); ++q) {
                    if (!complementary(xs[p], ys[q]))
                        continue;
                    const Items restX = without(xs, p), restY = without(ys, q);
                    const Tree a = xs[p], notA = ys[q];
                    const std::optional<Local> local = attempt([&](Items &items, const Emit &emit) {
                        if (law == LawId::Gluing) {
                            // (A ^ B) v (!A ^ B) = A: B ^ (A v !A), B ^ 1, B.
                            items =
                                pairReplaced(start, i, j, chainOf(dual, with(restX, chainOf(op, {a, notA}))));
                            emit(items, LawId::Distributive);
                            items.back() = chainOf(dual, with(restX, unitOf(dual)));
                            emit(items, complementLaw(op));
                            items.back() = chainOf(dual, restX);
                            emit(items, LawId::Neutral);
                            return true;
                        }
                        // (A ^ B) v (!A ^ C) = (A v C) ^ (!A v B): the first
                        // term spread over the second, A v !A dropped, and the
                        // consensus B v C that this leaves removed.
                        const Tree x = start[i], b = chainOf(dual, restX), c = chainOf(dual, restY);
                        const auto emitWith = [&](Items inner, LawId stepLaw) {
                            items.back() = chainOf(dual, std::move(inner));
                            emit(items, stepLaw);
                        };
                        items = pairReplaced(start, i, j, Tree{});
                        emitWith({chainOf(op, {x, notA}), chainOf(op, {x, c})}, LawId::Distributive);
                        emitWith({chainOf(op, {a, notA}), chainOf(op, {notA, b}), chainOf(op, {x, c})},
                                 LawId::Distributive);
                        emitWith({unitOf(dual), chainOf(op, {notA, b}), chainOf(op, {x, c})},
                                 complementLaw(op));
                        emitWith({chainOf(op, {notA, b}), chainOf(op, {x, c})}, LawId::Neutral);
                        const Items inner{chainOf(op, {notA, b}), chainOf(op, {a, c}), chainOf(op, {b, c})};
                        emitWith(inner, LawId::Distributive);
                        const Items innerItems = itemsOf(dual, chainOf(dual, inner));
                        const std::string innerGoal =
                            acKey(chainOf(dual, {chainOf(op, {notA, b}), chainOf(op, {a, c})}));
                        std::vector<std::pair<Tree, LawId>> ignored;
                        return dropAnyConsensus(
                            dual, innerItems, innerGoal,
                            [&](const Tree &innerNode, LawId stepLaw) {
                                items.back() = innerNode;
                                emit(items, stepLaw);
                            },
                            ignored);
                    });
                    if (local)
                        return local;
                }
        }
    return std::nullopt;
}

// The tree with the node at `path` replaced.
Tree replacedAt(const Tree &root, const std::vector<std::size_t> &path, Tree replacement) {
    std::vector<const Tree *> along{&root};
    for (std::size_t i : path)
        along.push_back(&(*along.back())->operands[i]);
    Tree result = std::move(replacement);
    for (std::size_t level = path.size(); level-- > 0;) {
        const Tree &parent = *along[level];
        std::vector<Tree> operands = parent->operands;
        operands[path[level]] = std::move(result);
        result = isChain(parent) ? chainOf(parent->op, std::move(operands))
                                 : formulas::combination(parent->op, std::move(operands));
    }
    return result;
}

std::optional<StepChain> forwards(const Tree &before, const Tree &after, LawId law) {
    const Tree flat = flattened(before);
    const std::string goal = acKey(after);
    const LawSet only = LawSet().set(std::size_t(law));
    std::vector<std::pair<const Tree *, std::vector<std::size_t>>> pending{{&flat, {}}};
    while (!pending.empty()) {
        const auto [node, path] = pending.back();
        pending.pop_back();
        for (std::size_t i = 0; i < (*node)->operands.size(); ++i) {
            std::vector<std::size_t> deeper = path;
            deeper.push_back(i);
            pending.push_back({&(*node)->operands[i], std::move(deeper)});
        }
        if (!isChain(*node))
            continue;
        for (const Rewrite &rewrite : localRewrites(*node, only)) {
            if (acKey(replacedAt(flat, path, rewrite.result)) != goal)
                continue;
            const auto local = expandAt(*node, rewrite.result, law);
            if (!local)
                continue;
            StepChain chain{{before, law}};
            for (const auto &[formula, stepLaw] : *local)
                chain.push_back({replacedAt(flat, path, formula), stepLaw});
            chain.back().first = after;
            return chain;
        }
    }
    return std::nullopt;
}

} // namespace

std::optional<StepChain> basicStepsOf(const Tree &before, const Tree &after, LawId law) {
    if (isBasic(law))
        return std::nullopt;
    if (auto chain = forwards(before, after, law))
        return chain;
    auto back = forwards(after, before, law);
    if (!back)
        return std::nullopt;
    // Read backwards, each step keeps its law.
    StepChain chain{{before, law}};
    for (std::size_t i = back->size() - 1; i-- > 0;)
        chain.push_back({(*back)[i].first, (*back)[i + 1].second});
    return chain;
}

} // namespace derivations
