// SPDX-License-Identifier: GPL-3.0-or-later
#include "dispatch.h"

#include "laws.h"

#include <array>

namespace provers {

namespace {
constexpr std::array<Prover, 21> proverOfRow{Law1,  Law2,  Law3,  Law4,  Law5,  Law6,  Law7,
                                             Law8,  Law9,  Law10, Law11, Law12, Law13, Law14,
                                             Law15, Law16, Law17, Law18, Law19, Law20, Law21};
} // namespace

void proveRow(std::int16_t row, const FormValues &form, ProofText &out) {
    if (row >= 0 && static_cast<std::size_t>(row) < proverOfRow.size())
        proverOfRow[static_cast<std::size_t>(row)](form, out);
}

} // namespace provers
