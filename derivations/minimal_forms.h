// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Minimal sums of products and products of sums of a function of up to six
// variables, given by its truth table. The prime implicants come from
// Quine–McCluskey; the essential ones are taken first, and an exact
// branch-and-bound search (Petrick's method without expanding the product)
// chooses among the rest. Every minimal cover is found, not only one, so
// that a student's own correct cover can be recognised and alternatives shown.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace derivations {

inline constexpr int maxMinimalFormVariables = 6; // 64 rows fit one 64-bit truth table

// Rows are numbered in counting order: variable v (0 = first in alphabetical
// order) is bit (variableCount-1-v) of a row index.
struct Term {
    std::uint32_t care = 0;  // row bits a term fixes
    std::uint32_t value = 0; // and the values it fixes them to
    friend bool operator==(const Term &, const Term &) = default;
};
using Cover = std::vector<Term>;

// truth: bit r is the function's value on row r; bits beyond the 2^n rows are
// ignored. All minimal sums of products (fewest literals, then fewest terms),
// at most `limit` of them, in a stable order: within a cover the terms go by
// their variables, A before !A before a term without A, and so on; the covers
// go by those term lists. Constant 0: one empty cover; constant 1: one cover
// holding one Term{0,0}. A variable count outside 0..6 gives no cover at all.
std::vector<Cover> minimalSumsOfProducts(int variableCount, std::uint64_t truth, std::size_t limit = 16);

// The same for products of sums: each Term is an implicant of the complement;
// its clause is the OR of the negations of its fixed literals. Constant 1: one
// empty cover; constant 0: one cover holding one Term{0,0}.
std::vector<Cover> minimalProductsOfSums(int variableCount, std::uint64_t truth, std::size_t limit = 16);

// The fewest prime implicants that cover the function, whatever their
// literals: the least number of groups on a Karnaugh map. -1 for a variable
// count outside 0..6.
int fewestTermCount(int variableCount, std::uint64_t truth);

// Every prime implicant of the function, in the order of the covers' terms.
std::vector<Term> primeImplicants(int variableCount, std::uint64_t truth);

// The rows a term holds: bit r set when row r agrees with every fixed bit.
std::uint64_t rowsOf(int variableCount, Term term);
int literalCount(Term term);

// In the reader's notation, letters[v] naming variable v: "A ^ !B v C",
// "(A v C) ^ (A v !D)", "0", "1". A product of one literal and a cover of one
// term print without parentheses.
std::string formatSumOfProducts(int variableCount, const Cover &cover, std::string_view letters);
std::string formatProductOfSums(int variableCount, const Cover &cover, std::string_view letters);

} // namespace derivations
