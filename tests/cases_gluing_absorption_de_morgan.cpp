// SPDX-License-Identifier: GPL-3.0-or-later
// Rows 1 to 6: gluing, absorption and De Morgan.

#include "prover_cases.h"

namespace testing {

const ProverGroup &gluingAbsorptionDeMorgan() {
    static const ProverGroup group{
        {
            {0, {1, 0, 0}, {" (1 ^ 0) v (1 ^ !0) = 0 v 1 = True"}},
            {1, {0, 1, 0}, {" (0 v 1) ^ (0 v !1) =  (1) ^ (0) = False"}},
            {2, {1, 0, 0}, {"1 v (1 ^ 0) = 1 v 0 = True"}},
            {3, {0, 1, 0}, {"0 ^ (0 v 1) = 0 ^ 1 = False"}},
            {4, {1, 0, 0}, {"!(1 ^ 0) = !1 v !0", "!0 = 0 v 1", "True = True"}},
            {5, {0, 0, 0}, {"!(0 v 0) = !0 ^ !0", "!0 = 1 ^ 1", "True = True"}},
            {5, {1, 1, 0}, {"!(1 v 1) = !1 ^ !1", "!1 = 0 ^ 0", "False = False"}},
        },
        {
            {0,
             " (A ^ B) v (A ^ !B) = {0} v {1} = {2}\r\n",
             {{"0", "0", "False"}, {"0", "0", "False"}, {"0", "1", "True"}, {"1", "0", "True"}}},
            {1,
             " (A v B) ^ (A v !B) =  ({0}) ^ ({1}) = {2}\r\n",
             {{"0", "1", "False"}, {"1", "0", "False"}, {"1", "1", "True"}, {"1", "1", "True"}}},
            {2,
             "A v (A ^ B) = A v {0} = {1}\r\n",
             {{"0", "False"}, {"0", "False"}, {"0", "True"}, {"1", "True"}}},
            {3,
             "A ^ (A v B) = A ^ {0} = {1}\r\n",
             {{"0", "False"}, {"1", "False"}, {"1", "True"}, {"1", "True"}}},
            // A And B, NotA, NotB, Not l, r
            {4,
             "!(A ^ B) = !A v !B\r\n!{0} = {1} v {2}\r\n{3} = {4}\r\n",
             {{"0", "1", "1", "True", "True"},
              {"0", "1", "0", "True", "True"},
              {"0", "0", "1", "True", "True"},
              {"1", "0", "0", "False", "False"}}},
            // A Or B, NotA, NotB, l, r
            {5,
             "!(A v B) = !A ^ !B\r\n!{0} = {1} ^ {2}\r\n{3} = {4}\r\n",
             {{"0", "1", "1", "True", "True"},
              {"1", "1", "0", "False", "False"},
              {"1", "0", "1", "False", "False"},
              {"1", "0", "0", "False", "False"}}},
        },
        {
            {0, SidesPrinted::LeftOnlyAtEnd, [](bool a, bool b, bool) { return (a && b) || (a && !b); },
             [](bool a, bool, bool) { return a; }},
            {1, SidesPrinted::LeftOnlyAtEnd, [](bool a, bool b, bool) { return (a || b) && (a || !b); },
             [](bool a, bool, bool) { return a; }},
            {2, SidesPrinted::LeftOnlyAtEnd, [](bool a, bool b, bool) { return a || (a && b); },
             [](bool a, bool, bool) { return a; }},
            {3, SidesPrinted::LeftOnlyAtEnd, [](bool a, bool b, bool) { return a && (a || b); },
             [](bool a, bool, bool) { return a; }},
            {4, SidesPrinted::OnLastLine, [](bool a, bool b, bool) { return !(a && b); },
             [](bool a, bool b, bool) { return !a || !b; }},
            {5, SidesPrinted::OnLastLine, [](bool a, bool b, bool) { return !(a || b); },
             [](bool a, bool b, bool) { return !a && !b; }},
        },
    };
    return group;
}

} // namespace testing
