// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The whole text the result box shows for a law: the header line ("7: " and
// the law's name), the formula line, then the prover's lines. The window and
// the command line both build it here, so they can never differ.

#include "dispatch.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace provers {

// The values as the window reads them from its selectors: NotA and NotB are
// 0 where A (B) is 1, else 1.
constexpr FormValues formValuesOf(double a, double b, double c) {
    return {a, b, c, static_cast<std::int16_t>(a == 1 ? 0 : 1), static_cast<std::int16_t>(b == 1 ? 0 : 1)};
}

// Header and formula lines; row -1 (no law) gives "0: " and two empty lines.
void appendHeader(std::int16_t row, std::string_view name, std::string_view formula, ProofText &out);

// Header, formula and proof, with "\r\n" line ends.
std::string lawProof(std::int16_t row, std::string_view name, std::string_view formula,
                     const FormValues &form);

} // namespace provers
