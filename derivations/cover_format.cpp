// SPDX-License-Identifier: GPL-3.0-or-later
// Covers printed as the formula reader reads them: "^" binds tighter than
// "v", so a sum of products needs no parentheses, and a product of sums
// needs them only round a clause of two literals or more that stands beside
// another clause.

#include "minimal_forms.h"

namespace derivations {
namespace {

char letterOf(std::string_view letters, int variable) {
    return std::size_t(variable) < letters.size() ? letters[std::size_t(variable)] : '?';
}

// The literals of a term joined by `separator`; in a clause each literal is
// the negation of the value the term fixes.
std::string literals(int variableCount, Term term, std::string_view letters, bool clause,
                     std::string_view separator) {
    std::string text;
    for (int v = 0; v < variableCount; ++v) {
        const std::uint32_t bit = std::uint32_t(1) << (variableCount - 1 - v);
        if (!(term.care & bit))
            continue;
        if (!text.empty())
            text += separator;
        if (((term.value & bit) != 0) == clause)
            text += '!';
        text += letterOf(letters, v);
    }
    return text;
}

} // namespace

std::string formatSumOfProducts(int variableCount, const Cover &cover, std::string_view letters) {
    if (cover.empty())
        return "0";
    std::string text;
    for (const Term &term : cover) {
        if (term.care == 0)
            return "1";
        if (!text.empty())
            text += " v ";
        text += literals(variableCount, term, letters, false, " ^ ");
    }
    return text;
}

std::string formatProductOfSums(int variableCount, const Cover &cover, std::string_view letters) {
    if (cover.empty())
        return "1";
    std::string text;
    for (const Term &term : cover) {
        if (term.care == 0)
            return "0";
        const bool bracket = cover.size() > 1 && literalCount(term) > 1;
        if (!text.empty())
            text += " ^ ";
        text += bracket ? "(" + literals(variableCount, term, letters, true, " v ") + ")"
                        : literals(variableCount, term, letters, true, " v ");
    }
    return text;
}

} // namespace derivations
