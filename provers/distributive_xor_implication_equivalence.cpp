// SPDX-License-Identifier: GPL-3.0-or-later
// Rows 17 to 21. Every value these proofs print is the number 0 or 1: each
// step turns its test into a 0/1 value, and a later line combines earlier
// ones by arithmetic (an OR is 1 when the sum reaches 1). The distributive
// proofs close their second line with " )"; the equivalence proof writes one
// line more, for its two AND terms.

#include "laws.h"

namespace provers {

void Law17(const FormValues &form, ProofText &out) {
    const auto [A, B, C, NotA, NotB] = operandsOf(form);
    out.append(A, " v (", B, " ^ ", C, ") = (", A, " v ", B, ") ^ (", A, " v ", C, ")", "\r\n");
    const Number bc = conditional(Equal(And(B, C), False), 0, 1);
    const Number ab = conditional(Equal(Or(A, B), False), 0, 1);
    const Number ac = conditional(Equal(Or(A, C), False), 0, 1);
    out.append(A, " v (", bc, ") = (", ab, ") ^ (", ac, " )", "\r\n");
    // Or-ing the number A with a Boolean gives a number (-1 when the Boolean
    // is True), so only its test against False reaches the text.
    const Number l = conditional(Equal(Or(A, Not(Less(bc, Number{1}))), False), 0, 1);
    const Number r = ab * ac;
    out.append(l, " = ", r, "\r\n");
}

void Law18(const FormValues &form, ProofText &out) {
    const auto [A, B, C, NotA, NotB] = operandsOf(form);
    out.append(A, " ^ (", B, " v ", C, ") = (", A, " ^ ", B, ") v (", A, " ^ ", C, ")", "\r\n");
    const Number bc = conditional(Equal(Or(B, C), False), 0, 1);
    const Number ab = conditional(Equal(And(A, B), False), 0, 1);
    const Number ac = conditional(Equal(And(A, C), False), 0, 1);
    out.append(A, " ^ (", bc, ") = (", ab, ") v (", ac, " )", "\r\n");
    const Number l = conditional(Equal(And(A, Not(Less(bc, Number{1}))), False), 0, 1);
    // ab + ac reaches 2 when A, B and C are all 1; only the 0/1 result prints.
    const Number r = conditional(Less(ab + ac, Number{1}), 0, 1);
    out.append(l, " = ", r, "\r\n");
}

void Law19(const FormValues &form, ProofText &out) {
    const auto [A, B, C, NotA, NotB] = operandsOf(form);
    out.append(A, " Xor ", B, " = (", A, " ^ !", B, ") v (!", A, " ^ ", B, ")", "\r\n");
    const Number x = conditional(CBool(Xor(A, B)), 1, 0);
    const Number y = conditional(CBool(And(A, NotB)), 1, 0);
    const Number z = conditional(CBool(And(NotA, B)), 1, 0);
    out.append(x, " = (", y, ") v (", z, ")", "\r\n");
    const Number r = conditional(Less(y + z, Number{1}), 0, 1);
    out.append(x, " = ", r, "\r\n");
}

void Law20(const FormValues &form, ProofText &out) {
    const auto [A, B, C, NotA, NotB] = operandsOf(form);
    out.append(A, " -> ", B, " = ", "!", A, " v ", B, "\r\n");
    // There is no implication operator: the left side is computed as !A v B.
    const Number x = conditional(CBool(Or(NotA, B)), 1, 0);
    const Number y = conditional(CBool(NotA), 1, 0);
    const Number z = conditional(CBool(B), 1, 0);
    out.append(x, " = ", y, " v ", z, "\r\n");
    const Number r = conditional(Less(y + z, Number{1}), 0, 1);
    out.append(x, " = ", r, "\r\n");
}

void Law21(const FormValues &form, ProofText &out) {
    const auto [A, B, C, NotA, NotB] = operandsOf(form);
    out.append(A, " <--> ", B, " = (!", A, ") ^ (!", B, ") v ", A, " ^ ", B, "\r\n");
    // There is no equivalence operator: the left side is computed as the
    // right side's expression.
    const Number eq = conditional(CBool(Or(And(NotA, NotB), And(A, B))), 1, 0);
    const Number na = conditional(CBool(NotA), 1, 0);
    const Number nb = conditional(CBool(NotB), 1, 0);
    const Number a1 = conditional(CBool(A), 1, 0);
    const Number b1 = conditional(CBool(B), 1, 0);
    out.append(eq, " = ", na, " ^ ", nb, " v ", a1, " ^ ", b1, "\r\n");
    const Number p = conditional(Less(na * nb, Number{1}), 0, 1);
    const Number q = conditional(Less(a1 * b1, Number{1}), 0, 1);
    out.append(eq, " = ", p, " v ", q, "\r\n");
    const Number r = conditional(Less(p + q, Number{1}), 0, 1);
    out.append(eq, " = ", r, "\r\n");
}

} // namespace provers
