// SPDX-License-Identifier: GPL-3.0-or-later
// Rows 13 to 16: consensus and simplification.

#include "prover_cases.h"

namespace testing {

const ProverGroup &consensusSimplification() {
    static const ProverGroup group{
        {
            {12,
             {1, 1, 0},
             {"(1 ^ 1) v ( !1 ^ 0) v (1 ^ 0) = (1 ^ 1) v (!1 ^ 0)",
              "(1 ^ 1) v (0 ^ 0) v (1 ^ 0) = (1 ^ 1) v (0 ^ 0)", "(1) v (0) v (0) = (1) v (0)", "1 = 1"}},
            {13,
             {1, 0, 1},
             {"(1 v 0) ^ ( !1 v 1) ^ (0 v 1) = (1 v 0) ^ (!1 v 1)",
              "(1 v 0) ^ (0 v 1) ^ (0 v 1) = (1 v 0) ^ (0 v 1)", "(1) ^ (1) ^ (1) = (1) ^ (1)", "1 = 1"}},
            // NotA is 1, so the middle term is 1 while both others are 0.
            {13,
             {0, 0, 0},
             {"(0 v 0) ^ ( !0 v 0) ^ (0 v 0) = (0 v 0) ^ (!0 v 0)",
              "(0 v 0) ^ (1 v 0) ^ (0 v 0) = (0 v 0) ^ (1 v 0)", "(0) ^ (1) ^ (0) = (0) ^ (1)", "0 = 0"}},
            {14, {0, 1, 0}, {"0 v (!0 ^ 1) = 0 v 1", "0 v 1 = 1", "1 = 1"}},
            {15, {0, 0, 0}, {"0 ^ (!0 v 0) = 0 ^ 0", "0 ^ 1 = 0", "0 = 0"}},
        },
        {
            // NotA, t1, t2, t3, lhs, rhs; the left side joins its first two
            // terms with ") v ( !", the right side with ") v (!"
            {12,
             "(A ^ B) v ( !A ^ C) v (B ^ C) = (A ^ B) v (!A ^ C)\r\n"
             "(A ^ B) v ({0} ^ C) v (B ^ C) = (A ^ B) v ({0} ^ C)\r\n"
             "({1}) v ({2}) v ({3}) = ({1}) v ({2})\r\n"
             "{4} = {5}\r\n",
             {{"1", "0", "0", "0", "0", "0"},
              {"1", "0", "1", "0", "1", "1"},
              {"1", "0", "0", "0", "0", "0"},
              {"1", "0", "1", "1", "1", "1"},
              {"0", "0", "0", "0", "0", "0"},
              {"0", "0", "0", "0", "0", "0"},
              {"0", "1", "0", "0", "1", "1"},
              {"0", "1", "0", "1", "1", "1"}}},
            {13,
             "(A v B) ^ ( !A v C) ^ (B v C) = (A v B) ^ (!A v C)\r\n"
             "(A v B) ^ ({0} v C) ^ (B v C) = (A v B) ^ ({0} v C)\r\n"
             "({1}) ^ ({2}) ^ ({3}) = ({1}) ^ ({2})\r\n"
             "{4} = {5}\r\n",
             {{"1", "0", "1", "0", "0", "0"},
              {"1", "0", "1", "1", "0", "0"},
              {"1", "1", "1", "1", "1", "1"},
              {"1", "1", "1", "1", "1", "1"},
              {"0", "1", "0", "0", "0", "0"},
              {"0", "1", "1", "1", "1", "1"},
              {"0", "1", "0", "1", "0", "0"},
              {"0", "1", "1", "1", "1", "1"}}},
            // inner, rhs, lhs
            {14,
             "A v (!A ^ B) = A v B\r\nA v {0} = {1}\r\n{2} = {1}\r\n",
             {{"0", "0", "0"}, {"1", "1", "1"}, {"0", "1", "1"}, {"0", "1", "1"}}},
            {15,
             "A ^ (!A v B) = A ^ B\r\nA ^ {0} = {1}\r\n{2} = {1}\r\n",
             {{"1", "0", "0"}, {"1", "0", "0"}, {"0", "0", "0"}, {"1", "1", "1"}}},
        },
        {
            {12, SidesPrinted::OnLastLine,
             [](bool a, bool b, bool c) { return (a && b) || (!a && c) || (b && c); },
             [](bool a, bool b, bool c) { return (a && b) || (!a && c); }},
            {13, SidesPrinted::OnLastLine,
             [](bool a, bool b, bool c) { return (a || b) && (!a || c) && (b || c); },
             [](bool a, bool b, bool c) { return (a || b) && (!a || c); }},
            {14, SidesPrinted::OnLastLine, [](bool a, bool b, bool) { return a || (!a && b); },
             [](bool a, bool b, bool) { return a || b; }},
            {15, SidesPrinted::OnLastLine, [](bool a, bool b, bool) { return a && (!a || b); },
             [](bool a, bool b, bool) { return a && b; }},
        },
    };
    return group;
}

} // namespace testing
