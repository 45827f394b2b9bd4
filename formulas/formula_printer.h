// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Writes a tree back in the reader's notation, with the fewest parentheses
// that precedence and grouping need: "^", "v", "Xor" and "<-->" group from
// the left, "->" from the right. One blank around each binary operator, "!"
// straight before its operand. Reading the text gives the same tree again.

#include "formula_tree.h"

#include <string>

namespace formulas {

std::string printed(const Tree &tree);
// "left = right", or the left side alone where there is no right side.
std::string printed(const Equation &equation);

} // namespace formulas
