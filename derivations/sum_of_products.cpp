// SPDX-License-Identifier: GPL-3.0-or-later
#include "sum_of_products.h"

#include "law_patterns.h"

#include <algorithm>

namespace derivations {

namespace {

// A weight that every product spread over a sum lowers: a product weighs
// its factors' product, a sum its terms' sum and one for each "v", a leaf 2.
double spreadWeight(const Tree &tree) {
    if (tree->op == Operator::And || tree->op == Operator::Or) {
        double weight = tree->op == Operator::And ? 1 : double(tree->operands.size() - 1);
        for (const Tree &operand : tree->operands)
            weight =
                tree->op == Operator::And ? weight * spreadWeight(operand) : weight + spreadWeight(operand);
        return weight;
    }
    return 2;
}

} // namespace

std::array<double, 4> distanceFromSum(const Tree &tree) {
    std::array<double, 4> distance{};
    std::vector<const formulas::Node *> pending{tree.get()};
    while (!pending.empty()) {
        const formulas::Node *node = pending.back();
        pending.pop_back();
        ++distance[3];
        switch (node->op) {
        case Operator::Xor:
        case Operator::Implies:
        case Operator::Equivalent:
            ++distance[0];
            break;
        case Operator::Not:
            distance[1] += double(sizeOf(node->operands[0]) - 1);
            break;
        case Operator::And:
            for (const Tree &operand : node->operands)
                if (operand->op == Operator::Or)
                    distance[2] = 1;
            break;
        default:
            break;
        }
        for (const Tree &operand : node->operands)
            pending.push_back(operand.get());
    }
    if (distance[2] > 0)
        distance[2] = spreadWeight(tree);
    return distance;
}

LawSet reducingLaws() {
    LawSet laws;
    for (std::size_t law = 0; law < lawCount; ++law)
        laws.set(law, bringsTowardsSum(LawId(law)));
    return laws;
}

namespace {

// A sum of products longer than this is no derivation a reader follows.
constexpr std::size_t maxSumSize = 600;

// Laws that only ever make a formula shorter.
LawSet shorteningLaws() {
    LawSet laws;
    for (std::size_t law = 0; law < lawCount; ++law)
        laws.set(law, alwaysShortens(LawId(law)));
    return laws;
}

// Towards a sum of products: the shortest a shortening law gives, else the
// step that brings it nearest.
bool toSumOfProducts(StepChain &chain, const std::function<bool()> &stop) {
    const LawSet shortening = shorteningLaws(), reducing = reducingLaws();
    for (;;) {
        if (stop())
            return false;
        const Tree &now = chain.back().first;
        const std::size_t size = sizeOf(now);
        if (size > maxSumSize)
            return false;
        std::optional<Rewrite> best;
        std::size_t bestSize = size;
        for (Rewrite &rewrite : lawRewrites(now, shortening))
            if (const std::size_t after = sizeOf(rewrite.result); after < bestSize) {
                bestSize = after;
                best = std::move(rewrite);
            }
        if (!best) {
            const auto distance = distanceFromSum(now);
            if (distance[0] + distance[1] + distance[2] == 0)
                return true;
            auto bestDistance = distance;
            for (Rewrite &rewrite : lawRewrites(now, reducing))
                if (const auto after = distanceFromSum(rewrite.result); after < bestDistance) {
                    bestDistance = after;
                    best = std::move(rewrite);
                }
        }
        if (!best)
            return false;
        chain.push_back({best->result, best->law});
    }
}

bool holds(Term outer, Term inner) {
    return (outer.care & inner.care) == outer.care && (inner.value & outer.care) == outer.value;
}

// From a sum of products to the common meeting point: the products of
// `kept` and the minterms that they do not hold. A product that a kept one
// holds is absorbed, a repeated one goes by idempotence, any other is split
// on its first missing letter by the gluing law read backwards (or a lone 1
// into Y v !Y).
void towardsMeeting(Cover terms, const Cover &kept, const std::vector<char> &letters, StepChain &chain) {
    const int count = int(letters.size());
    const std::uint32_t all = (std::uint32_t(1) << count) - 1;
    const auto isKept = [&](Term term) { return std::find(kept.begin(), kept.end(), term) != kept.end(); };
    for (std::size_t i = 0; i < terms.size();) {
        const Term term = terms[i];
        const auto earlier = terms.begin() + std::ptrdiff_t(i);
        const bool repeated = std::find(terms.begin(), earlier, term) != earlier;
        const bool absorbed = !repeated && std::any_of(kept.begin(), kept.end(),
                                                       [&](Term k) { return k != term && holds(k, term); });
        if (repeated || absorbed) {
            terms.erase(earlier);
            chain.push_back({treeOfCover(terms, letters), absorbed ? LawId::Absorption : LawId::Idempotence});
            continue;
        }
        if (isKept(term) || term.care == all) {
            ++i;
            continue;
        }
        std::uint32_t bit = std::uint32_t(1) << (count - 1);
        while (term.care & bit)
            bit >>= 1;
        terms[i] = Term{term.care | bit, term.value | bit};
        terms.insert(terms.begin() + std::ptrdiff_t(i) + 1, Term{term.care | bit, term.value});
        chain.push_back(
            {treeOfCover(terms, letters), term.care == 0 ? LawId::ExcludedMiddle : LawId::Gluing});
    }
}

} // namespace

std::optional<Cover> termsOf(const Tree &sum, const std::vector<char> &letters) {
    const int count = int(letters.size());
    Cover cover;
    for (const Tree &product : itemsOf(Operator::Or, sum)) {
        if (product->op == Operator::False)
            continue;
        Term term;
        if (product->op != Operator::True)
            for (const Tree &literal : itemsOf(Operator::And, product)) {
                const bool negated = literal->op == Operator::Not;
                const Tree &letter = negated ? literal->operands[0] : literal;
                if (letter->op != Operator::Variable)
                    return std::nullopt;
                const auto at = std::find(letters.begin(), letters.end(), letter->letter);
                if (at == letters.end())
                    return std::nullopt;
                const std::uint32_t bit = std::uint32_t(1) << (count - 1 - int(at - letters.begin()));
                if (term.care & bit)
                    return std::nullopt;
                term.care |= bit;
                term.value |= negated ? 0 : bit;
            }
        cover.push_back(term);
    }
    return cover;
}

Tree treeOfCover(const Cover &cover, const std::vector<char> &letters) {
    const int count = int(letters.size());
    std::vector<Tree> terms;
    for (const Term &term : cover) {
        std::vector<Tree> literals;
        for (int v = 0; v < count; ++v) {
            const std::uint32_t bit = std::uint32_t(1) << (count - 1 - v);
            if (!(term.care & bit))
                continue;
            const Tree letter = formulas::variable(letters[std::size_t(v)]);
            literals.push_back(term.value & bit ? letter : formulas::negation(letter));
        }
        terms.push_back(chainOf(Operator::And, std::move(literals)));
    }
    return chainOf(Operator::Or, std::move(terms));
}

std::optional<StepChain> stepsToMinimalSum(const Tree &formula, const std::vector<char> &letters,
                                           const Cover &minimal, const std::function<bool()> &stop) {
    StepChain chain{{formula, LawId()}};
    if (!toSumOfProducts(chain, stop))
        return std::nullopt;
    const auto terms = termsOf(chain.back().first, letters);
    if (!terms)
        return std::nullopt;
    Cover kept;
    for (const Term &term : minimal)
        if (std::find(terms->begin(), terms->end(), term) != terms->end())
            kept.push_back(term);
    // The sum as found, its letters in order, then on to the meeting point.
    const Tree sum = treeOfCover(*terms, letters);
    if (acKey(sum) != acKey(flattened(chain.back().first)))
        return std::nullopt;
    if (chain.size() > 1)
        chain.back().first = sum;
    towardsMeeting(*terms, kept, letters, chain);
    StepChain back{{treeOfCover(minimal, letters), LawId()}};
    towardsMeeting(minimal, kept, letters, back);
    if (acKey(chain.back().first) != acKey(back.back().first) || stop())
        return std::nullopt;
    for (std::size_t i = back.size() - 1; i-- > 0;)
        chain.push_back({back[i].first, back[i + 1].second});
    return chain;
}

namespace {

// The tree with the node at `path` replaced, its parents rebuilt as they
// were (no chain spliced into another), so that the paths of the other
// nodes stay as they are.
Tree replacedAt(const Tree &root, const std::vector<std::size_t> &path, std::size_t depth, Tree replacement) {
    if (depth == path.size())
        return replacement;
    std::vector<Tree> operands = root->operands;
    operands[path[depth]] = replacedAt(operands[path[depth]], path, depth + 1, std::move(replacement));
    return formulas::combination(root->op, std::move(operands));
}

const Tree &nodeAt(const Tree &root, const std::vector<std::size_t> &path) {
    const Tree *node = &root;
    for (std::size_t i : path)
        node = &(*node)->operands[i];
    return *node;
}

// A literal or a constant: nothing to bring to a sum.
bool isLiteral(const Tree &tree) {
    return tree->operands.empty() || (tree->op == Operator::Not && tree->operands[0]->operands.empty());
}

// The node at `path` and all below it to their minimal sums, the steps
// appended to `chain` as whole formulas. The root's own minimal sum is
// `rootMinimal`.
bool minimizeAt(StepChain &chain, std::vector<std::size_t> &path, const Cover *rootMinimal,
                const std::vector<char> &rootLetters, const std::function<bool()> &stop) {
    const Tree node = nodeAt(chain.back().first, path);
    if (isLiteral(node))
        return true;
    for (std::size_t i = 0; i < node->operands.size(); ++i) {
        // A negation in a product becomes a product of its own on the way,
        // which the check reads as one with the outer: it goes with the outer.
        // Only what it negates is taken to its minimal sum first.
        const bool negationInProduct = node->op == Operator::And && node->operands[i]->op == Operator::Not;
        path.push_back(i);
        if (negationInProduct)
            path.push_back(0);
        const bool done = minimizeAt(chain, path, nullptr, rootLetters, stop);
        path.resize(path.size() - (negationInProduct ? 2 : 1));
        if (!done)
            return false;
    }
    // A definition's node is first written out, its parts (each negation
    // of a minimal sum among them) then brought to their own minimal sums.
    if (const Tree defined = nodeAt(chain.back().first, path); definitionOf(defined->op)) {
        const LawSet only = LawSet().set(std::size_t(*definitionOf(defined->op)));
        const std::vector<Rewrite> written = localRewrites(flattened(defined), only);
        if (written.empty())
            return false;
        const Tree whole = chain.back().first;
        chain.push_back({replacedAt(whole, path, 0, written.front().result), written.front().law});
        return minimizeAt(chain, path, rootMinimal, rootLetters, stop);
    }
    const Tree now = nodeAt(chain.back().first, path);
    const std::vector<char> letters = path.empty() ? rootLetters : lettersOf(now, nullptr);
    Cover minimal;
    if (rootMinimal) {
        minimal = *rootMinimal;
    } else {
        const std::vector<Cover> covers =
            minimalSumsOfProducts(int(letters.size()), truthOf(now, letters)[0], 1);
        if (covers.empty())
            return false;
        minimal = covers[0];
    }
    // A node already its minimal sum stays.
    if (const auto terms = termsOf(now, letters); terms && !path.empty()) {
        std::vector<Term> sortedTerms = *terms, sortedMinimal = minimal;
        const auto order = [](Term a, Term b) {
            return std::pair(a.care, a.value) < std::pair(b.care, b.value);
        };
        std::sort(sortedTerms.begin(), sortedTerms.end(), order);
        std::sort(sortedMinimal.begin(), sortedMinimal.end(), order);
        if (sortedTerms == sortedMinimal)
            return true;
    }
    const auto local = stepsToMinimalSum(now, letters, minimal, stop);
    if (!local)
        return false;
    const Tree whole = chain.back().first;
    for (std::size_t i = 1; i < local->size(); ++i)
        chain.push_back({replacedAt(whole, path, 0, (*local)[i].first), (*local)[i].second});
    return true;
}

} // namespace

std::optional<StepChain> stepsInsideOut(const Tree &formula, const std::vector<char> &letters,
                                        const Cover &minimal, const std::function<bool()> &stop) {
    StepChain chain{{formula, LawId()}};
    std::vector<std::size_t> path;
    if (!minimizeAt(chain, path, &minimal, letters, stop) || stop())
        return std::nullopt;
    return chain;
}

} // namespace derivations
