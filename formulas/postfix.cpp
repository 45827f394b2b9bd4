// SPDX-License-Identifier: GPL-3.0-or-later
#include "postfix.h"

namespace formulas {

namespace {

bool combine(Step step, bool left, bool right) {
    switch (step) {
    case Step::And:
        return left && right;
    case Step::Or:
        return left || right;
    case Step::Xor:
        return left != right;
    case Step::Implies:
        return !left || right;
    default: // Equivalent
        return left == right;
    }
}

} // namespace

bool evaluate(const Postfix &steps, const std::array<bool, 3> &values) {
    std::vector<bool> stack;
    stack.reserve(steps.size());
    for (const Step step : steps) {
        switch (step) {
        case Step::PushA:
            stack.push_back(values[0]);
            break;
        case Step::PushB:
            stack.push_back(values[1]);
            break;
        case Step::PushC:
            stack.push_back(values[2]);
            break;
        case Step::PushFalse:
        case Step::PushTrue:
            stack.push_back(step == Step::PushTrue);
            break;
        case Step::Not:
            stack.back() = !stack.back();
            break;
        default: {
            const bool right = stack.back();
            stack.pop_back();
            stack.back() = combine(step, stack.back(), right);
        }
        }
    }
    return stack.back();
}

} // namespace formulas
