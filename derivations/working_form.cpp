// SPDX-License-Identifier: GPL-3.0-or-later
#include "working_form.h"

#include "tree_helpers.h"

#include <algorithm>

namespace derivations {

namespace {

char symbolOf(Operator op) { return "x01!^vX>="[int(op)]; }

// The key of a node given its operands' keys, sorted or not.
template <class KeyOf> std::string keyOf(const Tree &tree, KeyOf operandKey, bool flatten, bool sort) {
    const formulas::Node &node = *tree;
    if (node.op == Operator::Variable)
        return std::string(1, node.letter);
    if (node.operands.empty())
        return std::string(1, symbolOf(node.op));
    std::vector<std::string> keys;
    // Only chains of "^" and "v" flatten: !!A is not !A.
    const bool spliced = flatten && isChain(node.op) &&
                         std::any_of(node.operands.begin(), node.operands.end(),
                                     [&](const Tree &operand) { return operand->op == node.op; });
    const std::vector<Tree> items = spliced ? itemsOf(node.op, tree) : std::vector<Tree>();
    for (const Tree &operand : spliced ? items : node.operands)
        keys.push_back(operandKey(operand));
    if (sort && isChain(node.op))
        std::sort(keys.begin(), keys.end());
    std::size_t length = 3;
    for (const std::string &part : keys)
        length += part.size() + 1;
    std::string key;
    key.reserve(length);
    key += '(';
    key += symbolOf(node.op);
    for (const std::string &part : keys) {
        key += ' ';
        key += part;
    }
    key += ')';
    return key;
}

// The operands of a chain of op, its inner chains of op spliced in.
void appendItems(Operator op, const Tree &tree, std::vector<Tree> &items) {
    for (const Tree &operand : tree->operands) {
        if (operand->op == op)
            appendItems(op, operand, items);
        else
            items.push_back(operand);
    }
}

// Symbols as a postfix list counts them: a chain of n operands, n - 1.
std::size_t symbolsOf(const formulas::Node &node) {
    if (node.operands.empty())
        return 1;
    std::size_t count = node.op == Operator::Not ? 1 : node.operands.size() - 1;
    for (const Tree &operand : node.operands)
        count += symbolsOf(*operand);
    return count;
}

} // namespace

std::vector<Tree> itemsOf(Operator op, const Tree &tree) {
    if (tree->op != op)
        return {tree};
    std::vector<Tree> items;
    items.reserve(tree->operands.size());
    appendItems(op, tree, items);
    return items;
}

Tree chainOf(Operator op, std::vector<Tree> items) {
    std::vector<Tree> spliced;
    for (Tree &item : items) {
        if (item->op == op)
            spliced.insert(spliced.end(), item->operands.begin(), item->operands.end());
        else
            spliced.push_back(std::move(item));
    }
    if (spliced.empty())
        return formulas::constant(op == Operator::And);
    if (spliced.size() == 1)
        return spliced.front();
    return formulas::combination(op, std::move(spliced));
}

Tree flattened(const Tree &tree) {
    if (tree->operands.empty())
        return tree;
    std::vector<Tree> operands;
    for (const Tree &operand : isChain(tree->op) ? itemsOf(tree->op, tree) : tree->operands)
        operands.push_back(flattened(operand));
    if (isChain(tree->op))
        return chainOf(tree->op, std::move(operands));
    return formulas::combination(tree->op, std::move(operands));
}

std::string acKey(const Tree &tree) { return keyOf(tree, acKey, true, true); }
std::string groupingKey(const Tree &tree) { return keyOf(tree, groupingKey, true, false); }
std::string orderKey(const Tree &tree) { return keyOf(tree, orderKey, false, true); }

std::size_t sizeOf(const Tree &tree) { return symbolsOf(*tree); }

std::vector<char> lettersOf(const Tree &a, const Tree &b) {
    const std::uint32_t letters = formulas::lettersOf(a) | (b ? formulas::lettersOf(b) : 0);
    std::vector<char> list;
    for (int letter = 0; letter < 26; ++letter)
        if ((letters >> letter) & 1)
            list.push_back(char('A' + letter));
    return list;
}

std::vector<std::uint64_t> truthOf(const Tree &tree, const std::vector<char> &letters) {
    const formulas::Postfix steps = formulas::postfixOf(tree);
    const std::size_t count = letters.size();
    const std::size_t rows = std::size_t(1) << count;
    std::vector<std::uint64_t> words((rows + 63) / 64);
    for (std::size_t word = 0; word < words.size(); ++word) {
        std::array<std::uint64_t, 26> columns{};
        for (std::size_t bit = 0; bit < 64 && word * 64 + bit < rows; ++bit) {
            const std::size_t row = word * 64 + bit;
            for (std::size_t v = 0; v < count; ++v)
                if ((row >> (count - 1 - v)) & 1)
                    columns[std::size_t(letters[v] - 'A')] |= std::uint64_t(1) << bit;
        }
        words[word] = formulas::evaluateRows(steps, columns);
        if (rows < 64)
            words[word] &= (std::uint64_t(1) << rows) - 1;
    }
    return words;
}

namespace {

// The operands of a chain of op, spliced where they are chains of op too.
const std::vector<Tree> &chainItems(const Tree &tree, std::vector<Tree> &spliced) {
    const bool flat = std::none_of(tree->operands.begin(), tree->operands.end(),
                                   [&](const Tree &operand) { return operand->op == tree->op; });
    if (flat)
        return tree->operands;
    spliced = itemsOf(tree->op, tree);
    return spliced;
}

} // namespace

// Compared node by node rather than by keys: the matchers ask this for
// every operand they try, and most pairs differ at the first node.
bool same(const Tree &a, const Tree &b) {
    if (a == b)
        return true;
    if (a->op != b->op)
        return false;
    if (a->op == Operator::Variable)
        return a->letter == b->letter;
    if (!isChain(a->op)) {
        if (a->operands.size() != b->operands.size())
            return false;
        for (std::size_t i = 0; i < a->operands.size(); ++i)
            if (!same(a->operands[i], b->operands[i]))
                return false;
        return true;
    }
    std::vector<Tree> splicedA, splicedB;
    const std::vector<Tree> &x = chainItems(a, splicedA), &y = chainItems(b, splicedB);
    if (x.size() != y.size())
        return false;
    // Sameness is an equivalence, so any operand of the same class will do.
    std::vector<bool> used(y.size());
    for (const Tree &item : x) {
        std::size_t j = 0;
        while (j < y.size() && (used[j] || !same(item, y[j])))
            ++j;
        if (j == y.size())
            return false;
        used[j] = true;
    }
    return true;
}

std::optional<std::vector<Tree>> remainder(const std::vector<Tree> &x, const std::vector<Tree> &y) {
    std::vector<Tree> rest = y;
    for (const Tree &item : x) {
        auto it =
            std::find_if(rest.begin(), rest.end(), [&](const Tree &other) { return same(item, other); });
        if (it == rest.end())
            return std::nullopt;
        rest.erase(it);
    }
    return rest;
}

} // namespace derivations
