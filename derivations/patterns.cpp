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
using Next = std::function<void()>;
using Places = std::vector<std::size_t>; // operands of a chain, by place

// A chain's operands that a pattern letter may take together beyond one:
// every sub-multiset of up to this many, so that the search stays small.
constexpr std::size_t subsetItems = 8;

std::size_t slot(const Tree &letter) { return std::size_t(letter->letter - 'A'); }
std::uint32_t bitOf(const Tree &letter) { return std::uint32_t(1) << slot(letter); }

bool isLetter(const Tree &pattern) { return pattern->op == Operator::Variable; }

// The letters a pattern holds.
std::uint32_t lettersIn(const Tree &pattern) {
    if (isLetter(pattern))
        return bitOf(pattern);
    std::uint32_t letters = 0;
    for (const Tree &operand : pattern->operands)
        letters |= lettersIn(operand);
    return letters;
}

// How often each letter stands in the pattern.
void countLetters(const Tree &pattern, std::array<int, 26> &counts) {
    if (isLetter(pattern))
        ++counts[slot(pattern)];
    for (const Tree &operand : pattern->operands)
        countLetters(operand, counts);
}

// The complement of a formula without a double negation: !A for A, A for !A.
Tree complementOf(const Tree &tree) {
    return tree->op == Operator::Not ? tree->operands[0] : formulas::negation(tree);
}

struct Matcher {
    const Pattern &pattern;
    std::size_t &budget;
    Bindings bound{};
    std::uint32_t multi = 0; // letters bound to several operands
    Places context;          // the rewritten chain's operands left beside the result

    bool spent() {
        if (budget == 0)
            return true;
        --budget;
        return false;
    }

    void bind(const Tree &letter, Tree value, bool several, const Next &next) {
        Tree &slotted = bound[slot(letter)];
        const std::uint32_t was = multi;
        slotted = std::move(value);
        if (several)
            multi |= bitOf(letter);
        next();
        slotted = nullptr;
        multi = was;
    }

    // One pattern node against one formula node.
    void node(const Tree &p, const Tree &t, const Next &next) {
        if (spent())
            return;
        if (isLetter(p)) {
            if (const Tree &value = bound[slot(p)]) {
                if (same(value, t))
                    next();
                return;
            }
            bind(p, t, false, next);
            return;
        }
        if (p->op == Operator::Not && isLetter(p->operands[0]) && pattern.negationEitherWay) {
            if (const Tree &value = bound[slot(p->operands[0])]) {
                if (complementary(value, t))
                    next();
                return;
            }
            bind(p->operands[0], complementOf(t), false, next);
            return;
        }
        if (p->op != t->op)
            return;
        if (p->operands.empty()) {
            next();
            return;
        }
        if (isChain(p)) {
            Places all(t->operands.size());
            for (std::size_t i = 0; i < all.size(); ++i)
                all[i] = i;
            chain(p->op, p->operands, 0, t->operands, all, false, next);
            return;
        }
        operands(p, t, 0, next);
    }

    void operands(const Tree &p, const Tree &t, std::size_t i, const Next &next) {
        if (i == p->operands.size()) {
            next();
            return;
        }
        node(p->operands[i], t->operands[i], [&] { operands(p, t, i + 1, next); });
    }

    // The places of `rest` left once the items of `wanted` are taken, if all are there.
    static std::optional<Places> takenOut(const std::vector<Tree> &wanted, const std::vector<Tree> &items,
                                          Places rest) {
        for (const Tree &item : wanted) {
            const auto at = std::find_if(rest.begin(), rest.end(),
                                         [&](std::size_t place) { return same(items[place], item); });
            if (at == rest.end())
                return std::nullopt;
            rest.erase(at);
        }
        return rest;
    }

    // The first letter of a compound pattern operand that its repeats gather.
    std::optional<Tree> gatheredLetter(const Tree &p) const {
        if (isLetter(p))
            return std::nullopt;
        std::optional<Tree> found;
        const std::function<void(const Tree &)> look = [&](const Tree &q) {
            if (found)
                return;
            if (isLetter(q)) {
                if ((pattern.spread & bitOf(q)) && pattern.gatheredBy[slot(q)] != Operator::False &&
                    !bound[slot(q)])
                    found = q;
                return;
            }
            for (const Tree &operand : q->operands)
                look(operand);
        };
        look(p);
        return found;
    }

    // Pattern operands from `at` on against the chain's operands at `rest`;
    // at the rewritten node (`top`), operands no pattern operand takes stay
    // beside the result.
    void chain(Operator op, const std::vector<Tree> &ps, std::size_t at, const std::vector<Tree> &items,
               const Places &rest, bool top, const Next &next) {
        if (spent())
            return;
        if (at == ps.size()) {
            if (top) {
                context = rest;
                next();
            } else if (rest.empty()) {
                next();
            }
            return;
        }
        const Tree &p = ps[at];
        const bool lastOperand = at + 1 == ps.size();
        const auto onward = [&](const Places &left) { chain(op, ps, at + 1, items, left, top, next); };
        if (isLetter(p) && bound[slot(p)]) {
            // A bound letter takes its own operands back.
            const std::vector<Tree> wanted = itemsOf(op, bound[slot(p)]);
            if (wanted.size() > 1) {
                if (auto left = takenOut(wanted, items, rest))
                    onward(*left);
                return;
            }
        }
        const std::size_t n = rest.size();
        // The first of a pair that the rule does not tell apart takes the first operand.
        const bool takesFirst = !top && isLetter(p) && (pattern.firstOfPair & bitOf(p)) && !bound[slot(p)] &&
                                at + 2 == ps.size() && !bound[slot(ps[at + 1])];
        const bool oneOrAll = isLetter(p) && (pattern.oneOrAll & bitOf(p));
        if (isLetter(p) && !bound[slot(p)] && !(top && (pattern.single & bitOf(p)))) {
            // Several operands at once: every sub-multiset of two or more.
            if (n >= 2 && n <= subsetItems) {
                const std::uint32_t all = (std::uint32_t(1) << n) - 1;
                for (std::uint32_t mask = 1; mask <= all; ++mask) {
                    if (std::popcount(mask) < 2 || (takesFirst && !(mask & 1)) || (oneOrAll && mask != all))
                        continue;
                    std::vector<Tree> taken;
                    Places left;
                    for (std::size_t i = 0; i < n; ++i) {
                        if ((mask >> i) & 1)
                            taken.push_back(items[rest[i]]);
                        else
                            left.push_back(rest[i]);
                    }
                    if (lastOperand && !top && !left.empty())
                        continue;
                    bind(p, chainOf(op, std::move(taken)), true, [&] { onward(left); });
                }
            } else if (n > subsetItems) {
                std::vector<Tree> taken;
                for (std::size_t place : rest)
                    taken.push_back(items[place]);
                bind(p, chainOf(op, std::move(taken)), true, [&] { onward({}); });
            }
        }
        // One operand, and where the operand gathers a letter, more after it.
        const std::optional<Tree> gathered = gatheredLetter(p);
        for (std::size_t i = 0; i < (takesFirst ? std::min<std::size_t>(n, 1) : n); ++i) {
            if (i > 0 && same(items[rest[i]], items[rest[i - 1]]))
                continue;
            node(p, items[rest[i]], [&] {
                Places left = rest;
                left.erase(left.begin() + std::ptrdiff_t(i));
                if (!gathered) {
                    onward(left);
                    return;
                }
                gather(p, *gathered, items, left, rest[i], onward);
            });
        }
    }

    // The operand `p` matched once more against a later operand, its letter
    // `y` joined; or on to the next pattern operand.
    void gather(const Tree &p, const Tree &y, const std::vector<Tree> &items, const Places &left,
                std::size_t after, const std::function<void(const Places &)> &onward) {
        onward(left);
        const std::size_t s = slot(y);
        const Tree sofar = bound[s];
        const std::uint32_t was = multi;
        for (std::size_t j = 0; j < left.size(); ++j) {
            if (left[j] < after)
                continue;
            bound[s] = nullptr;
            node(p, items[left[j]], [&] {
                const Tree added = bound[s];
                bound[s] = chainOf(pattern.gatheredBy[s], {sofar, added});
                multi |= std::uint32_t(1) << s;
                Places fewer = left;
                fewer.erase(fewer.begin() + std::ptrdiff_t(j));
                gather(p, y, items, fewer, left[j], onward);
                bound[s] = added;
                multi = was;
            });
            bound[s] = sofar;
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

// Whether the letter stands right in a chain of op inside the pattern.
bool standsIn(const Tree &p, std::size_t letter, Operator op) {
    if (p->op == op)
        for (const Tree &operand : p->operands)
            if (isLetter(operand) && slot(operand) == letter)
                return true;
    return std::any_of(p->operands.begin(), p->operands.end(),
                       [&](const Tree &operand) { return standsIn(operand, letter, op); });
}

struct Instantiation {
    const Pattern &pattern;
    Bindings &bound;
    std::uint32_t multi;
    bool spreading;

    // The pattern with the letters bound; none where a letter is unbound.
    Tree operator()(const Tree &p) {
        if (isLetter(p))
            return bound[slot(p)];
        if (p->operands.empty())
            return p;
        if (p->op == Operator::Not && isLetter(p->operands[0]) && pattern.negationEitherWay)
            return bound[slot(p->operands[0])] ? complementOf(bound[slot(p->operands[0])]) : nullptr;
        std::vector<Tree> operands;
        for (const Tree &operand : p->operands) {
            if (!spread(p->op, operand, operands)) {
                Tree made = (*this)(operand);
                if (!made)
                    return nullptr;
                operands.push_back(std::move(made));
            }
        }
        return isChain(p) ? chainOf(p->op, std::move(operands))
                          : formulas::combination(p->op, std::move(operands));
    }

    // An operand of a chain that holds a spread letter of several operands
    // (not itself in a chain of their operator) becomes one operand each.
    bool spread(Operator op, const Tree &operand, std::vector<Tree> &operands) {
        if (!spreading || !isChain(op))
            return false;
        const std::uint32_t candidates = lettersIn(operand) & pattern.spread & multi;
        for (std::size_t s = 0; s < 26; ++s) {
            if (!((candidates >> s) & 1))
                continue;
            const Tree several = bound[s];
            if (standsIn(operand, s, several->op))
                continue;
            const std::uint32_t was = multi;
            multi &= ~(std::uint32_t(1) << s);
            for (const Tree &one : several->operands) {
                bound[s] = one;
                if (Tree made = (*this)(operand))
                    operands.push_back(std::move(made));
            }
            bound[s] = several;
            multi = was;
            return true;
        }
        return false;
    }
};

// Where the chain's operands at `context` stay and the result takes the
// place of the first operand taken.
Tree placedAmong(Operator op, const std::vector<Tree> &items, const Places &context, Tree made) {
    std::vector<Tree> kept;
    std::size_t next = 0;
    bool placed = false;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (next < context.size() && context[next] == i) {
            kept.push_back(items[i]);
            ++next;
        } else if (!placed) {
            kept.push_back(made);
            placed = true;
        }
    }
    return chainOf(op, std::move(kept));
}

const Tree &nodeAt(const Tree &root, const std::vector<std::size_t> &path) {
    const Tree *node = &root;
    for (std::size_t i : path)
        node = &(*node)->operands[i];
    return *node;
}

Tree replacedFrom(const Tree &root, const std::vector<std::size_t> &path, std::size_t depth,
                  Tree replacement) {
    if (depth == path.size())
        return replacement;
    std::vector<Tree> operands = root->operands;
    operands[path[depth]] = replacedFrom(operands[path[depth]], path, depth + 1, std::move(replacement));
    return isChain(root) ? chainOf(root->op, std::move(operands))
                         : formulas::combination(root->op, std::move(operands));
}

void everyPath(const Tree &tree, std::vector<std::size_t> &path,
               const std::function<void(const std::vector<std::size_t> &)> &visit) {
    visit(path);
    const Tree &node = nodeAt(tree, path);
    for (std::size_t i = 0; i < node->operands.size(); ++i) {
        path.push_back(i);
        everyPath(tree, path, visit);
        path.pop_back();
    }
}

// The pattern with two letters swapped.
Tree swapped(const Tree &p, std::size_t a, std::size_t b) {
    if (isLetter(p))
        return slot(p) == a   ? formulas::variable(char('A' + b))
               : slot(p) == b ? formulas::variable(char('A' + a))
                              : p;
    if (p->operands.empty())
        return p;
    std::vector<Tree> operands;
    for (const Tree &operand : p->operands)
        operands.push_back(swapped(operand, a, b));
    return formulas::combination(p->op, std::move(operands));
}

// The first letters of pairs that end a chain of the left side and that
// swapped give the same rule.
std::uint32_t pairsIn(const Tree &node, const Pattern &pattern) {
    std::uint32_t found = 0;
    for (const Tree &operand : node->operands)
        found |= pairsIn(operand, pattern);
    const std::size_t n = node->operands.size();
    if (!isChain(node) || n < 2 || node == pattern.left)
        return found;
    const Tree &a = node->operands[n - 2], &b = node->operands[n - 1];
    if (!isLetter(a) || !isLetter(b) || slot(a) == slot(b))
        return found;
    const auto sameRule = [&](const Tree &side) {
        return acKey(flatPattern(swapped(side, slot(a), slot(b)))) == acKey(side);
    };
    if (sameRule(pattern.left) && sameRule(pattern.right))
        found |= bitOf(a);
    return found;
}

} // namespace

Tree patternTree(std::string_view text) {
    const std::u32string characters(text.begin(), text.end()); // the table is ASCII
    const auto read = formulas::readTree(characters);
    return flatPattern(std::get<formulas::Equation>(read).left);
}

Pattern compiledPattern(std::string_view left, std::string_view right, bool negationEitherWay,
                        std::string_view spreadLetters, std::string_view oneOrAllLetters) {
    Pattern pattern{patternTree(left), patternTree(right), negationEitherWay};
    for (char letter : oneOrAllLetters)
        pattern.oneOrAll |= std::uint32_t(1) << (letter - 'A');
    pattern.firstOfPair = pairsIn(pattern.left, pattern);
    for (char letter : spreadLetters) {
        const std::size_t s = std::size_t(letter - 'A');
        pattern.spread |= std::uint32_t(1) << s;
        pattern.gatheredBy[s] = Operator::False;
    }
    // A spread letter gathers where it stands on the right side in a chain
    // whose letters all spread: B v C of A ^ (B v C).
    const std::function<void(const Tree &)> gathering = [&](const Tree &node) {
        for (const Tree &operand : node->operands)
            gathering(operand);
        if (!isChain(node))
            return;
        const bool allSpread = std::all_of(node->operands.begin(), node->operands.end(), [&](const Tree &o) {
            return !isLetter(o) || (pattern.spread & bitOf(o));
        });
        if (allSpread)
            for (const Tree &operand : node->operands)
                if (isLetter(operand))
                    pattern.gatheredBy[slot(operand)] = node->op;
    };
    gathering(pattern.right);
    // A letter that stands once on each side, right in the rewritten chain
    // (or as the whole right side), gives the same result with one operand
    // as with several: the others stay beside it.
    const Tree &p = pattern.left, &r = pattern.right;
    if (isChain(p)) {
        std::array<int, 26> inLeft{}, inRight{};
        countLetters(p, inLeft);
        countLetters(r, inRight);
        for (const Tree &operand : p->operands) {
            if (!isLetter(operand))
                continue;
            const std::size_t s = slot(operand);
            const bool onItsOwn =
                (isLetter(r) && slot(r) == s) ||
                (r->op == p->op && std::any_of(r->operands.begin(), r->operands.end(),
                                               [&](const Tree &o) { return isLetter(o) && slot(o) == s; }));
            if (inLeft[s] == 1 && inRight[s] == 1 && onItsOwn && !(pattern.spread & bitOf(operand)))
                pattern.single |= bitOf(operand);
        }
    }
    return pattern;
}

void forEachPath(const Tree &tree, const std::function<void(const std::vector<std::size_t> &)> &visit) {
    std::vector<std::size_t> path;
    everyPath(tree, path, visit);
}

Tree replacedAt(const Tree &root, const std::vector<std::size_t> &path, Tree replacement) {
    return replacedFrom(root, path, 0, std::move(replacement));
}

void matchesAt(const Tree &flatFormula, const std::vector<std::size_t> &path, const Pattern &pattern,
               std::size_t &budget, const std::function<void(const MatchedPlace &)> &found) {
    const Tree &node = nodeAt(flatFormula, path);
    const Tree &p = pattern.left;
    Matcher matcher{pattern, budget, {}, 0, {}};
    const bool atChain = isChain(p) && p->op == node->op;
    if (isChain(p) && !atChain)
        return;
    const auto local = [&](const Tree &replacement, bool spreading) -> Tree {
        Tree made = Instantiation{pattern, matcher.bound, matcher.multi, spreading}(replacement);
        if (!made)
            return nullptr;
        return atChain ? placedAmong(node->op, node->operands, matcher.context, std::move(made))
                       : flattened(made);
    };
    MatchedPlace place{[&](const Tree &replacement, bool spreading) -> Tree {
                           Tree made = local(replacement, spreading);
                           return made ? replacedAt(flatFormula, path, std::move(made)) : nullptr;
                       },
                       local, false};
    const auto report = [&] {
        place.spreads = (matcher.multi & pattern.spread) != 0;
        found(place);
    };
    if (atChain) {
        Places all(node->operands.size());
        for (std::size_t i = 0; i < all.size(); ++i)
            all[i] = i;
        matcher.chain(node->op, p->operands, 0, node->operands, all, true, report);
        return;
    }
    matcher.node(p, node, report);
}

void patternRewrites(const Tree &flatFormula, const Pattern &pattern, std::size_t &budget,
                     const std::function<void(Tree)> &emit) {
    std::vector<std::size_t> path;
    everyPath(flatFormula, path, [&](const std::vector<std::size_t> &at) {
        matchesAt(flatFormula, at, pattern, budget, [&](const MatchedPlace &place) {
            if (Tree made = place.whole(pattern.right, false))
                emit(std::move(made));
            if (place.spreads)
                if (Tree made = place.whole(pattern.right, true))
                    emit(std::move(made));
        });
    });
}

} // namespace derivations
