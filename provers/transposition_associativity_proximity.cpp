// SPDX-License-Identifier: GPL-3.0-or-later
// Rows 7 to 12. Transposition prints each side on a line of its own with the
// 0/1 values of its two bracketed terms; associativity prints each grouping
// with its truth value; proximity prints three lines, each ending "= A".

#include "laws.h"

namespace provers {

void Law7(const FormValues &form, ProofText &out) {
    const auto [A, B, C, NotA, NotB] = operandsOf(form);
    out.append("(", A, " ^ ", B, ") v (!", A, " ^ ", C, ") = ");
    const Number x1 = conditional(Equal(And(A, B), False), 0, 1);
    out.append("(", x1, ") v (");
    const Number y1 = conditional(Equal(And(NotA, C), False), 0, 1);
    out.append(y1, ") = ");
    const Boolean r1 = Equal(Or(x1, y1), Number{1});
    out.append(r1, "\r\n");
    out.append("(", A, " v ", C, ") ^ (!", A, " v ", B, ") = ");
    const Number x2 = conditional(Equal(Or(A, C), False), 0, 1);
    out.append("(", x2, ") ^ (");
    const Number y2 = conditional(Equal(Or(NotA, B), False), 0, 1);
    out.append(y2, ") = ");
    const Boolean r2 = Equal(And(x2, y2), Number{1});
    out.append(r2, "\r\n");
}

void Law8(const FormValues &form, ProofText &out) {
    const auto [A, B, C, NotA, NotB] = operandsOf(form);
    out.append("(", A, " v  !", B, ") ^ (!", A, " v ", C, ") = ");
    const Number x1 = conditional(Equal(Or(A, NotB), False), 0, 1);
    out.append("(", x1, ") ^ (");
    const Number y1 = conditional(Equal(Or(NotA, C), False), 0, 1);
    out.append(y1, ") = ");
    const Boolean r1 = Equal(And(x1, y1), Number{1});
    out.append(r1, "\r\n");
    out.append("(", A, " ^  ", C, ") v (!", B, " ^ !", A, ") = ");
    const Number x2 = conditional(Equal(And(A, C), False), 0, 1);
    out.append("(", x2, ") v (");
    const Number y2 = conditional(Equal(And(NotB, NotA), False), 0, 1);
    out.append(y2, ") = ");
    const Boolean r2 = Equal(Or(x2, y2), Number{1});
    out.append(r2, "\r\n");
}

void Law9(const FormValues &form, ProofText &out) {
    const auto [A, B, C, NotA, NotB] = operandsOf(form);
    out.append(A, " v ( ", B, " v ", C, ") = ");
    const Boolean r1 = NotEqual(Or(Or(A, B), C), False);
    out.append(r1, "\r\n");
    out.append("(", A, " v ", B, ") v ", C, " = ");
    const Boolean r2 = NotEqual(Or(Or(A, B), C), False);
    out.append(r2, "\r\n");
}

void Law10(const FormValues &form, ProofText &out) {
    const auto [A, B, C, NotA, NotB] = operandsOf(form);
    out.append(A, " ^ ( ", B, " ^ ", C, ") = ");
    const Boolean r1 = NotEqual(And(And(A, B), C), False);
    out.append(r1, "\r\n");
    out.append("(", A, " ^ ", B, ") ^ ", C, " = ");
    const Boolean r2 = NotEqual(And(And(A, B), C), False);
    out.append(r2, "\r\n");
}

void Law11(const FormValues &form, ProofText &out) {
    const auto [A, B, C, NotA, NotB] = operandsOf(form);
    out.append("(", A, " ^ ", B, ") v (", A, " ^ !", B, ") = ", A, "\r\n");
    const Number x = conditional(Equal(And(A, B), False), 0, 1);
    out.append("(", x, ") v (");
    const Number y = conditional(Equal(And(A, NotB), False), 0, 1);
    out.append(y, ") = ", A, "\r\n");
    const Boolean r = Equal(Or(x, y), Number{1});
    out.append(r, " = ", A, "\r\n");
}

void Law12(const FormValues &form, ProofText &out) {
    const auto [A, B, C, NotA, NotB] = operandsOf(form);
    out.append("(", A, " v ", B, ") ^ (", A, " v !", B, ") = ", A, "\r\n");
    const Number x = conditional(Equal(Or(A, B), False), 0, 1);
    out.append("(", x, ") ^ (");
    const Number y = conditional(Equal(Or(A, NotB), False), 0, 1);
    out.append(y, ") = ", A, "\r\n");
    const Boolean r = Equal(And(x, y), Number{1});
    out.append(r, " = ", A, "\r\n");
}

} // namespace provers
