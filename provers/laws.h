// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// One prover per catalogue row: Law1 proves row 1, ..., Law21 proves row 21.
// Each reads the form's values and appends its proof lines, every line ended
// by "\r\n", to the text that already holds the header and formula lines.

#include "form_values.h"
#include "proof_text.h"

namespace provers {

using Prover = void (*)(const FormValues &form, ProofText &out);

// Gluing, absorption and De Morgan.
void Law1(const FormValues &form, ProofText &out);
void Law2(const FormValues &form, ProofText &out);
void Law3(const FormValues &form, ProofText &out);
void Law4(const FormValues &form, ProofText &out);
void Law5(const FormValues &form, ProofText &out);
void Law6(const FormValues &form, ProofText &out);

// Transposition, associativity and proximity.
void Law7(const FormValues &form, ProofText &out);
void Law8(const FormValues &form, ProofText &out);
void Law9(const FormValues &form, ProofText &out);
void Law10(const FormValues &form, ProofText &out);
void Law11(const FormValues &form, ProofText &out);
void Law12(const FormValues &form, ProofText &out);

// Consensus and simplification.
void Law13(const FormValues &form, ProofText &out);
void Law14(const FormValues &form, ProofText &out);
void Law15(const FormValues &form, ProofText &out);
void Law16(const FormValues &form, ProofText &out);

// Distributive laws, Xor, implication and equivalence.
void Law17(const FormValues &form, ProofText &out);
void Law18(const FormValues &form, ProofText &out);
void Law19(const FormValues &form, ProofText &out);
void Law20(const FormValues &form, ProofText &out);
void Law21(const FormValues &form, ProofText &out);

} // namespace provers
