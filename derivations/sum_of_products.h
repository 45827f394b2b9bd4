// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The way from a formula to a sum of products and on to its minimal sum:
// first the definitions, De Morgan, double negation and the distributive
// law, taken greedily while contradictory, repeated and absorbed products
// go as soon as they appear; then the products not in the minimal sum are
// split by the gluing law read backwards, and those the minimal sum's own
// products hold are absorbed, until both sums meet.

#include "derived_steps.h"
#include "minimal_forms.h"
#include "rewrites.h"

#include <array>
#include <functional>

namespace derivations {

// How far a formula is from a sum of products: definitions to expand,
// negations over more than a letter, products over sums; then its size.
std::array<double, 4> distanceFromSum(const Tree &tree);

// The laws that bring a formula nearer a sum of products.
LawSet reducingLaws();

// The steps from `formula` to the minimal sum `minimal` (a cover over
// `letters`, the letters of the formula), each by one of the nineteen laws.
// None where the formula grows past what a reader follows, or `stop` says
// time is up.
std::optional<StepChain> stepsToMinimalSum(const Tree &formula, const std::vector<char> &letters,
                                           const Cover &minimal, const std::function<bool()> &stop);

// The same, built from the inside out where the whole formula at once
// grows too long: every operand is brought to its own minimal sum first,
// so that no formula on the way grows past what the minimal sums of its
// parts need. Each step still one law.
std::optional<StepChain> stepsInsideOut(const Tree &formula, const std::vector<char> &letters,
                                        const Cover &minimal, const std::function<bool()> &stop);

// The products of a sum of products of literals over `letters`, or none
// where the formula is something else.
std::optional<Cover> termsOf(const Tree &sum, const std::vector<char> &letters);

// The tree of a cover's sum of products, letters[v] naming variable v.
Tree treeOfCover(const Cover &cover, const std::vector<char> &letters);

} // namespace derivations
