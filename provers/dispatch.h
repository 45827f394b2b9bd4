// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "form_values.h"
#include "proof_text.h"

#include <cstdint>

namespace provers {

// Row index 0 calls Law1, ..., 20 calls Law21; any other index (-1 while no
// law is selected) calls nothing and leaves the text as it is.
void proveRow(std::int16_t row, const FormValues &form, ProofText &out);

} // namespace provers
