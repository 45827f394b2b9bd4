// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The values the window reads from its selectors before every proof, and the
// same values as the provers' operands.

#include "value.h"

#include <cstdint>

namespace provers {

struct FormValues {
    double A = 0;
    double B = 0;
    double C = 0;
    std::int16_t NotA = 0; // 0 when A is 1, else 1
    std::int16_t NotB = 0; // 0 when B is 1, else 1
};

struct Operands {
    Number A, B, C, NotA, NotB;
};

constexpr Operands operandsOf(const FormValues &form) {
    return {Number{form.A}, Number{form.B}, Number{form.C}, Number{static_cast<double>(form.NotA)},
            Number{static_cast<double>(form.NotB)}};
}

} // namespace provers
