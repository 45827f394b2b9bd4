// SPDX-License-Identifier: GPL-3.0-or-later
#include "postfix.h"

namespace formulas {

std::uint64_t evaluateRows(const Postfix &steps, const std::array<std::uint64_t, 26> &columns) {
    std::vector<std::uint64_t> stack;
    stack.reserve(steps.size());
    for (const PostfixStep &step : steps) {
        switch (step.step) {
        case Step::Variable:
            stack.push_back(columns[step.letter]);
            continue;
        case Step::False:
        case Step::True:
            stack.push_back(step.step == Step::True ? ~std::uint64_t(0) : 0);
            continue;
        case Step::Not:
            stack.back() = ~stack.back();
            continue;
        default:
            break;
        }
        const std::uint64_t right = stack.back();
        stack.pop_back();
        std::uint64_t &left = stack.back();
        switch (step.step) {
        case Step::And:
            left &= right;
            break;
        case Step::Or:
            left |= right;
            break;
        case Step::Xor:
            left ^= right;
            break;
        case Step::Implies:
            left = ~left | right;
            break;
        default: // Equivalent
            left = ~(left ^ right);
        }
    }
    return stack.back();
}

bool evaluate(const Postfix &steps, std::uint32_t letters) {
    std::array<std::uint64_t, 26> columns{};
    for (std::size_t letter = 0; letter < columns.size(); ++letter)
        columns[letter] = (letters >> letter) & 1 ? 1 : 0;
    return evaluateRows(steps, columns) & 1;
}

} // namespace formulas
