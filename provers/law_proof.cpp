// SPDX-License-Identifier: GPL-3.0-or-later
#include "law_proof.h"

namespace provers {

void appendHeader(std::int16_t row, std::string_view name, std::string_view formula, ProofText &out) {
    out.append(std::to_string(row + 1), ": ", name, "\r\n");
    out.append(formula, "\r\n");
}

std::string lawProof(std::int16_t row, std::string_view name, std::string_view formula,
                     const FormValues &form) {
    ProofText text;
    appendHeader(row, name, formula, text);
    proveRow(row, form, text);
    return text.text();
}

} // namespace provers
