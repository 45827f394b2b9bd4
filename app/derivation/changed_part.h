// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The part of a formula that one step rewrites, for the second hint: the
// smallest subformula of `before` that `law` turns into its counterpart in
// `after`. Within a chain of "^" or "v" that is the operands the step takes
// away, with a neighbour where the law needs one (absorption takes A ^ B
// out of A v (A ^ B) v C, and the part is A v (A ^ B)).

#include "step_check.h" // and the derivations' law_table.h

formulas::Tree changedPart(const formulas::Tree &before, const formulas::Tree &after, derivations::LawId law);
