// SPDX-License-Identifier: GPL-3.0-or-later
#include "value.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

namespace provers {

std::int32_t toInt32(Number n) {
    // The form's values are 0 and 1; clamping only keeps a wild value defined.
    constexpr double lowest = std::numeric_limits<std::int32_t>::min();
    constexpr double highest = std::numeric_limits<std::int32_t>::max();
    // Nearest integer, halves to even (the default rounding mode).
    const double rounded = std::nearbyint(n.value());
    if (std::isnan(rounded))
        return 0;
    if (rounded <= lowest)
        return std::numeric_limits<std::int32_t>::min();
    if (rounded >= highest)
        return std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(rounded);
}

std::string textForm(Number n) {
    const double value = n.value();
    if (value == 0.0)
        return "0"; // also for -0.0, which has no sign of its own to show
    char buffer[32];
    // Whole numbers of up to 15 digits (every value a proof prints) read the
    // same in "%.15g" as in plain integer form, which costs a tenth as much.
    constexpr double fifteenDigits = 1e15;
    if (std::trunc(value) == value && std::fabs(value) < fifteenDigits) {
        const auto end = std::to_chars(buffer, buffer + sizeof buffer, static_cast<std::int64_t>(value)).ptr;
        return std::string(buffer, end);
    }
    std::snprintf(buffer, sizeof buffer, "%.15g", value);
    return buffer;
}

std::string textForm(Boolean b) { return b.isTrue() ? "True" : "False"; }

} // namespace provers
