#include "value.h"

#include <cfenv>
#include <cmath>
#include <cstdio>
#include <limits>

namespace provers {

std::int32_t toInt32(Number n) {
    // The form's values are 0 and 1; clamping only keeps a wild value defined.
    constexpr double lowest = std::numeric_limits<std::int32_t>::min();
    constexpr double highest = std::numeric_limits<std::int32_t>::max();
    const double rounded = std::nearbyint(n.value()); // default mode: halves to even
    if (std::isnan(rounded))
        return 0;
    if (rounded <= lowest)
        return std::numeric_limits<std::int32_t>::min();
    if (rounded >= highest)
        return std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(rounded);
}

std::string textForm(Number n) {
    if (n.value() == 0.0)
        return "0"; // also for -0.0, which has no sign of its own to show
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.15g", n.value());
    return buffer;
}

std::string textForm(Boolean b) { return b.isTrue() ? "True" : "False"; }

} // namespace provers
