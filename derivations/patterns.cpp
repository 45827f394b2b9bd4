// SPDX-License-Identifier: GPL-3.0-or-later
#include "patterns.h"

#include "formula_tree.h"
#include "tree_helpers.h"

#include <algorithm>
#include <bit>
#include <string>
#include <variant>

namespace derivations {

namespace {

using Bindings = std::array<Tree, 26>;
using Next = std::function<void(Bindings &, std::vector<Tree> &)>; // with the context left over

// A chain's operands that a pattern letter may take together beyond one:
// every sub-multiset of up to this many, so that the search stays small.
constexpr std::size_t subsetItems = 8;

std::size_t slot(const Tree &letter) { return std::size_t(letter->letter - 'A'); }

bool isLetter(const Tree &pattern) { return pattern->op == Operator::Variable; }

// The complement of a formula without a double negation: !A for A, A for !A.
Tree complementOf(const Tree &tree) {
    return tree->op == Operator::Not ? tree->operands[0] : formulas::negation(tree);
}

struct Matcher {
    const Pattern &pattern;
    std::size_t &budget;

    bool spent() {
        if (budget == 0)
            return true;
        --budget;
        return false;
    }

    // One pattern node against one formula node.
    void node(const Tree &p, const Tree &t, Bindings &b, const std::function<void(Bindings &)> &next) {
        if (spent())
            return;
        if (isLetter(p)) {
            Tree &bound = b[slot(p)];
            if (bound) {
                if (same(bound, t))
                    next(b);
                return;
            }
            bound = t;
            next(b);
            bound = nullptr;
            return;
        }
        if (p->op == Operator::Not && isLetter(p->operands[0]) && pattern.negationEitherWay) {
            Tree &bound = b[slot(p->operands[0])];
            if (bound) {
                if (complementary(bound, t))
                    next(b);
                return;
            }
            bound = complementOf(t);
            next(b);
            bound = nullptr;
            return;
        }
        if (p->op != t->op || (p->operands.empty() && t->operands.empty())) {
            if (p->op == t->op)
                next(b);
            return;
        }
        if (isChain(p)) {
            std::vector<Tree> items = t->operands;
            chain(t->op, p->operands, 0, items, false, b,
                  [&](Bindings &bound, std::vector<Tree> &) { next(bound); });
            return;
        }
        operands(p, t, 0, b, next);
    }

    void operands(const Tree &p, const Tree &t, std::size_t i, Bindings &b,
                  const std::function<void(Bindings &)> &next) {
        if (i == p->operands.size()) {
            next(b);
            return;
        }
        node(p->operands[i], t->operands[i], b, [&](Bindings &bound) { operands(p, t, i + 1, bound, next); });
    }

    // Pattern operands from `at` on against the chain's items left; with
    // `context`, items no pattern operand takes stay beside the result.
    void chain(Operator op, const std::vector<Tree> &ps, std::size_t at, std::vector<Tree> &items,
               bool context, Bindings &b, const Next &next) {
        if (spent())
            return;
        if (at == ps.size()) {
            if (items.empty() || context)
                next(b, items);
            return;
        }
        const Tree &p = ps[at];
        const bool lastOperand = at + 1 == ps.size();
        if (isLetter(p) && b[slot(p)]) {
            // A bound letter takes its own operands back.
            const std::vector<Tree> wanted = itemsOf(op, b[slot(p)]);
            if (wanted.size() > 1) {
                if (auto rest = remainder(wanted, items)) {
                    std::vector<Tree> left = *rest;
                    chain(op, ps, at + 1, left, context, b, next);
                }
                return;
            }
        }
        if (isLetter(p) && !b[slot(p)]) {
            Tree &bound = b[slot(p)];
            // Several operands at once: every sub-multiset of two or more.
            const std::size_t n = items.size();
            if (n >= 2 && n <= subsetItems) {
                for (std::uint32_t mask = 1; mask < (std::uint32_t(1) << n); ++mask) {
                    if (std::popcount(mask) < 2)
                        continue;
                    std::vector<Tree> taken, left;
                    for (std::size_t i = 0; i < n; ++i)
                        ((mask >> i) & 1 ? taken : left).push_back(items[i]);
                    if (lastOperand && !context && !left.empty())
                        continue;
                    bound = chainOf(op, taken);
                    chain(op, ps, at + 1, left, context, b, next);
                    bound = nullptr;
                }
            } else if (n > subsetItems) {
                bound = chainOf(op, items); // all of them
                std::vector<Tree> none;
                chain(op, ps, at + 1, none, context, b, next);
                bound = nullptr;
            }
        }
        // One operand.
        for (std::size_t i = 0; i < items.size(); ++i) {
            if (i > 0 && same(items[i], items[i - 1]))
                continue;
            const Tree item = items[i];
            node(p, item, b, [&](Bindings &bound) {
                std::vector<Tree> left = without(items, i);
                chain(op, ps, at + 1, left, context, bound, next);
            });
        }
    }
};

// The pattern's operands in the order they bind best: compound ones first,
// so that a letter they bind is known when it comes up on its own.
std::vector<Tree> ordered(const std::vector<Tree> &operands) {
    std::vector<Tree> sorted = operands;
    std::stable_sort(sorted.begin(), sorted.end(),
                     [](const Tree &a, const Tree &b) { return !isLetter(a) && isLetter(b); });
    return sorted;
}

Tree flatPattern(const Tree &tree) {
    if (tree->operands.empty())
        return tree;
    std::vector<Tree> operands;
    for (const Tree &operand : isChain(tree) ? itemsOf(tree->op, tree) : tree->operands)
        operands.push_back(flatPattern(operand));
    if (isChain(tree))
        return formulas::combination(tree->op, ordered(operands));
    return formulas::combination(tree->op, std::move(operands));
}

// The right side with the letters bound; none where a letter is unbound.
Tree instantiated(const Tree &p, const Bindings &b, bool negationEitherWay) {
    if (isLetter(p))
        return b[slot(p)];
    if (p->operands.empty())
        return p;
    if (p->op == Operator::Not && isLetter(p->operands[0]) && negationEitherWay)
        return b[slot(p->operands[0])] ? complementOf(b[slot(p->operands[0])]) : nullptr;
    std::vector<Tree> operands;
    for (const Tree &operand : p->operands) {
        Tree made = instantiated(operand, b, negationEitherWay);
        if (!made)
            return nullptr;
        operands.push_back(std::move(made));
    }
    return isChain(p) ? chainOf(p->op, std::move(operands))
                      : formulas::combination(p->op, std::move(operands));
}

Tree treeOf(std::string_view text) {
    const std::u32string characters(text.begin(), text.end()); // the table is ASCII
    const auto read = formulas::readTree(characters);
    return std::get<formulas::Equation>(read).left;
}

// The matches at one node: the node's replacements.
void rewritesAt(const Tree &node, const Pattern &pattern, std::size_t &budget,
                const std::function<void(Tree)> &emit) {
    Matcher matcher{pattern, budget};
    Bindings bindings{};
    const Tree &p = pattern.left;
    if (isChain(p) && p->op == node->op) {
        std::vector<Tree> items = node->operands;
        matcher.chain(node->op, p->operands, 0, items, true, bindings,
                      [&](Bindings &b, std::vector<Tree> &context) {
                          if (Tree made = instantiated(pattern.right, b, pattern.negationEitherWay)) {
                              context.push_back(std::move(made));
                              emit(chainOf(node->op, context));
                              context.pop_back();
                          }
                      });
        return;
    }
    if (isChain(p))
        return;
    matcher.node(p, node, bindings, [&](Bindings &b) {
        if (Tree made = instantiated(pattern.right, b, pattern.negationEitherWay))
            emit(flattened(made));
    });
}

void everywhere(const Tree &tree, const Pattern &pattern, std::size_t &budget,
                const std::function<void(Tree)> &whole) {
    rewritesAt(tree, pattern, budget, whole);
    for (std::size_t i = 0; i < tree->operands.size(); ++i)
        everywhere(tree->operands[i], pattern, budget, [&](Tree changed) {
            std::vector<Tree> operands = tree->operands;
            operands[i] = std::move(changed);
            whole(isChain(tree) ? chainOf(tree->op, std::move(operands))
                                : formulas::combination(tree->op, std::move(operands)));
        });
}

} // namespace

Pattern compiledPattern(std::string_view left, std::string_view right, bool negationEitherWay) {
    return {flatPattern(treeOf(left)), flatPattern(treeOf(right)), negationEitherWay};
}

void patternRewrites(const Tree &flatFormula, const Pattern &pattern, std::size_t &budget,
                     const std::function<void(Tree)> &emit) {
    everywhere(flatFormula, pattern, budget, emit);
}

} // namespace derivations
