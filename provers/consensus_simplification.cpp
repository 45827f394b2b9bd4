// SPDX-License-Identifier: GPL-3.0-or-later
// Rows 13 to 16. Consensus prints four lines, simplification three; each line
// sets a stage of the left side against a stage of the right side, and the
// sides' last values come from the 0/1 term values, not from A, B and C.
// The consensus proof joins its first two left-side terms with ") v ( !" but
// the right side's with ") v (!": the extra blank is part of the output.

#include "laws.h"

namespace provers {

void Law13(const FormValues &form, ProofText &out) {
    const auto [A, B, C, NotA, NotB] = operandsOf(form);
    out.append("(", A, " ^ ", B, ") v ( !", A, " ^ ", C, ") v (", B, " ^ ", C, ") = ");
    out.append("(", A, " ^ ", B, ") v (!", A, " ^ ", C, ")", "\r\n");
    out.append("(", A, " ^ ", B, ") v (", NotA, " ^ ", C, ") v (", B, " ^ ", C, ") = ");
    out.append("(", A, " ^ ", B, ") v (", NotA, " ^ ", C, ")", "\r\n");
    const Number t1 = conditional(Equal(And(A, B), False), 0, 1);
    const Number t2 = conditional(Equal(And(NotA, C), False), 0, 1);
    const Number t3 = conditional(Equal(And(B, C), False), 0, 1);
    out.append("(", t1, ") v (", t2, ") v (", t3, ") = ");
    out.append("(", t1, ") v (", t2, ")", "\r\n");
    const Number lhs = conditional(Greater(t1 + t2 + t3, Number{0}), 1, 0);
    const Number rhs = conditional(Greater(t1 + t2, Number{0}), 1, 0);
    out.append(lhs, " = ", rhs, "\r\n");
}

void Law14(const FormValues &form, ProofText &out) {
    const auto [A, B, C, NotA, NotB] = operandsOf(form);
    out.append("(", A, " v ", B, ") ^ ( !", A, " v ", C, ") ^ (", B, " v ", C, ") = ");
    out.append("(", A, " v ", B, ") ^ (!", A, " v ", C, ")", "\r\n");
    out.append("(", A, " v ", B, ") ^ (", NotA, " v ", C, ") ^ (", B, " v ", C, ") = ");
    out.append("(", A, " v ", B, ") ^ (", NotA, " v ", C, ")", "\r\n");
    const Number t1 = conditional(Equal(Or(A, B), False), 0, 1);
    const Number t2 = conditional(Equal(Or(NotA, C), False), 0, 1);
    const Number t3 = conditional(Equal(Or(B, C), False), 0, 1);
    out.append("(", t1, ") ^ (", t2, ") ^ (", t3, ") = ");
    out.append("(", t1, ") ^ (", t2, ")", "\r\n");
    const Number lhs = conditional(Greater(t1 * t2 * t3, Number{0}), 1, 0);
    const Number rhs = conditional(Greater(t1 * t2, Number{0}), 1, 0);
    out.append(lhs, " = ", rhs, "\r\n");
}

void Law15(const FormValues &form, ProofText &out) {
    const auto [A, B, C, NotA, NotB] = operandsOf(form);
    out.append(A, " v (!", A, " ^ ", B, ") = ", A, " v ", B, "\r\n");
    const Number inner = conditional(Equal(And(NotA, B), False), 0, 1);
    out.append(A, " v ", inner, " = ");
    const Number rhs = conditional(Equal(Or(A, B), False), 0, 1);
    out.append(rhs, "\r\n");
    const Number lhs = conditional(Equal(Or(A, inner), Number{0}), 0, 1);
    out.append(lhs, " = ", rhs, "\r\n");
}

void Law16(const FormValues &form, ProofText &out) {
    const auto [A, B, C, NotA, NotB] = operandsOf(form);
    out.append(A, " ^ (!", A, " v ", B, ") = ", A, " ^ ", B, "\r\n");
    const Number inner = conditional(Equal(Or(NotA, B), False), 0, 1);
    out.append(A, " ^ ", inner, " = ");
    const Number rhs = conditional(Equal(And(A, B), False), 0, 1);
    out.append(rhs, "\r\n");
    const Number lhs = conditional(Equal(And(A, inner), Number{0}), 0, 1);
    out.append(lhs, " = ", rhs, "\r\n");
}

} // namespace provers
