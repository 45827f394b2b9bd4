// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A seeded source of user actions: the same seed gives the same actions on
// every machine, so a failing run can be repeated exactly.

#include "reference_model.h"
#include "user_action.h"

#include <cstdint>
#include <random>

namespace testing {

class ActionGenerator {
public:
    explicit ActionGenerator(std::uint64_t seed) : random_(seed) {}

    // The next action. Drags stay within four rows, as many as the law list
    // shows at once; clicks on the window outside the lists avoid the
    // lists' places (rows are clicked as rows).
    UserAction next();

private:
    int below(int bound); // 0 .. bound - 1
    bool chance(int percent) { return below(100) < percent; }
    Control anyList();
    Qt::KeyboardModifiers clickModifiers();
    UserAction key();

    std::mt19937_64 random_;
};

} // namespace testing
