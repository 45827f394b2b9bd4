// SPDX-License-Identifier: GPL-3.0-or-later
// Rows 1 to 6. Gluing and absorption print one line ending with the truth
// value of the left side; De Morgan prints the identity, the evaluated terms
// and the two sides' truth values on three lines.

#include "laws.h"

namespace provers {

void Law1(const FormValues &form, ProofText &out) {
    const auto [A, B, C, NotA, NotB] = operandsOf(form);
    const Boolean r = CBool(Or(And(A, B), And(A, NotB)));
    out.append(" (", A, " ^ ", B, ") v (", A, " ^ !", B, ") = ");
    out.append(And(A, B), " v ", And(A, NotB), " = ");
    out.append(r, "\r\n");
}

void Law2(const FormValues &form, ProofText &out) {
    const auto [A, B, C, NotA, NotB] = operandsOf(form);
    const Boolean r = CBool(And(Or(A, B), Or(A, NotB)));
    out.append(" (", A, " v ", B, ") ^ (", A, " v !", B, ") = ");
    out.append(" (", Or(A, B), ") ^ (", Or(A, NotB), ") = ");
    out.append(r, "\r\n");
}

void Law3(const FormValues &form, ProofText &out) {
    const auto [A, B, C, NotA, NotB] = operandsOf(form);
    const Boolean r = CBool(Or(A, And(A, B)));
    out.append(A, " v (", A, " ^ ", B, ") = ");
    out.append(A, " v ", And(A, B), " = ", r, "\r\n");
}

void Law4(const FormValues &form, ProofText &out) {
    const auto [A, B, C, NotA, NotB] = operandsOf(form);
    const Boolean r = CBool(And(A, Or(A, B)));
    out.append(A, " ^ (", A, " v ", B, ") = ");
    out.append(A, " ^ ", Or(A, B), " = ", r, "\r\n");
}

void Law5(const FormValues &form, ProofText &out) {
    const auto [A, B, C, NotA, NotB] = operandsOf(form);
    out.append("!(", A, " ^ ", B, ") = ");
    out.append("!", A, " v !", B, "\r\n");
    out.append("!", And(A, B), " = ");
    out.append(NotA, " v ", NotB, "\r\n");
    const Boolean l = CBool(And(A, B));
    out.append(Not(l));
    const Boolean r = CBool(Or(NotA, NotB));
    out.append(" = ", r, "\r\n");
}

void Law6(const FormValues &form, ProofText &out) {
    const auto [A, B, C, NotA, NotB] = operandsOf(form);
    out.append("!(", A, " v ", B, ") = ");
    out.append("!", A, " ^ !", B, "\r\n");
    out.append("!", Or(A, B), " = ");
    out.append(NotA, " ^ ", NotB, "\r\n");
    const Boolean l = Equal(Or(A, B), Number{0});
    out.append(l, " = ");
    const Boolean r = Equal(And(NotA, NotB), Number{1});
    out.append(r, "\r\n");
}

} // namespace provers
