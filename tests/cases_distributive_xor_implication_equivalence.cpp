// SPDX-License-Identifier: GPL-3.0-or-later
// Rows 17 to 21: the distributive laws, Xor, implication and equivalence.

#include "prover_cases.h"

namespace testing {

const ProverGroup &distributiveXorImplicationEquivalence() {
    static const ProverGroup group{
        {
            {16, {0, 1, 1}, {"0 v (1 ^ 1) = (0 v 1) ^ (0 v 1)", "0 v (1) = (1) ^ (1 )", "1 = 1"}},
            {17, {1, 0, 1}, {"1 ^ (0 v 1) = (1 ^ 0) v (1 ^ 1)", "1 ^ (1) = (0) v (1 )", "1 = 1"}},
            {18, {1, 0, 0}, {"1 Xor 0 = (1 ^ !0) v (!1 ^ 0)", "1 = (1) v (0)", "1 = 1"}},
            {19, {1, 0, 0}, {"1 -> 0 = !1 v 0", "0 = 0 v 0", "0 = 0"}},
            {19, {1, 1, 0}, {"1 -> 1 = !1 v 1", "1 = 0 v 1", "1 = 1"}},
            {20, {0, 0, 0}, {"0 <--> 0 = (!0) ^ (!0) v 0 ^ 0", "1 = 1 ^ 1 v 0 ^ 0", "1 = 1 v 0", "1 = 1"}},
        },
        {
            // bc, ab, ac, l, r; the second line closes with " )"
            {16,
             "A v (B ^ C) = (A v B) ^ (A v C)\r\nA v ({0}) = ({1}) ^ ({2} )\r\n{3} = {4}\r\n",
             {{"0", "0", "0", "0", "0"},
              {"0", "0", "1", "0", "0"},
              {"0", "1", "0", "0", "0"},
              {"1", "1", "1", "1", "1"},
              {"0", "1", "1", "1", "1"},
              {"0", "1", "1", "1", "1"},
              {"0", "1", "1", "1", "1"},
              {"1", "1", "1", "1", "1"}}},
            {17,
             "A ^ (B v C) = (A ^ B) v (A ^ C)\r\nA ^ ({0}) = ({1}) v ({2} )\r\n{3} = {4}\r\n",
             {{"0", "0", "0", "0", "0"},
              {"1", "0", "0", "0", "0"},
              {"1", "0", "0", "0", "0"},
              {"1", "0", "0", "0", "0"},
              {"0", "0", "0", "0", "0"},
              {"1", "0", "1", "1", "1"},
              {"1", "1", "0", "1", "1"},
              {"1", "1", "1", "1", "1"}}},
            // x, y, z, r
            {18,
             "A Xor B = (A ^ !B) v (!A ^ B)\r\n{0} = ({1}) v ({2})\r\n{0} = {3}\r\n",
             {{"0", "0", "0", "0"}, {"1", "0", "1", "1"}, {"1", "1", "0", "1"}, {"0", "0", "0", "0"}}},
            {19,
             "A -> B = !A v B\r\n{0} = {1} v {2}\r\n{0} = {3}\r\n",
             {{"1", "1", "0", "1"}, {"1", "1", "1", "1"}, {"0", "0", "0", "0"}, {"1", "0", "1", "1"}}},
            // eq, na, nb, a1, b1, p, q, r
            {20,
             "A <--> B = (!A) ^ (!B) v A ^ B\r\n{0} = {1} ^ {2} v {3} ^ {4}\r\n{0} = {5} v {6}\r\n{0} = "
             "{7}\r\n",
             {{"1", "1", "1", "0", "0", "1", "0", "1"},
              {"0", "1", "0", "0", "1", "0", "0", "0"},
              {"0", "0", "1", "1", "0", "0", "0", "0"},
              {"1", "0", "0", "1", "1", "0", "1", "1"}}},
        },
        {
            {16, SidesPrinted::OnLastLine, [](bool a, bool b, bool c) { return a || (b && c); },
             [](bool a, bool b, bool c) { return (a || b) && (a || c); }},
            {17, SidesPrinted::OnLastLine, [](bool a, bool b, bool c) { return a && (b || c); },
             [](bool a, bool b, bool c) { return (a && b) || (a && c); }},
            {18, SidesPrinted::OnLastLine, [](bool a, bool b, bool) { return a != b; },
             [](bool a, bool b, bool) { return (a && !b) || (!a && b); }},
            {19, SidesPrinted::OnLastLine, [](bool a, bool b, bool) { return !(a && !b); },
             [](bool a, bool b, bool) { return !a || b; }},
            {20, SidesPrinted::OnLastLine, [](bool a, bool b, bool) { return a == b; },
             [](bool a, bool b, bool) { return (!a && !b) || (a && b); }},
        },
    };
    return group;
}

} // namespace testing
