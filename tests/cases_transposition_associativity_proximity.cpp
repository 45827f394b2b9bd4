// SPDX-License-Identifier: GPL-3.0-or-later
// Rows 7 to 12: transposition, associativity and proximity.

#include "prover_cases.h"

namespace testing {

const ProverGroup &transpositionAssociativityProximity() {
    static const ProverGroup group{
        {
            {6,
             {1, 0, 1},
             {"(1 ^ 0) v (!1 ^ 1) = (0) v (0) = False", "(1 v 1) ^ (!1 v 0) = (1) ^ (0) = False"}},
            // The two lines' term values differ while their words agree.
            {6,
             {0, 0, 0},
             {"(0 ^ 0) v (!0 ^ 0) = (0) v (0) = False", "(0 v 0) ^ (!0 v 0) = (0) ^ (1) = False"}},
            {7,
             {0, 1, 1},
             {"(0 v  !1) ^ (!0 v 1) = (0) ^ (1) = False", "(0 ^  1) v (!1 ^ !0) = (0) v (0) = False"}},
            {8, {0, 1, 1}, {"0 v ( 1 v 1) = True", "(0 v 1) v 1 = True"}},
            {9, {1, 1, 1}, {"1 ^ ( 1 ^ 1) = True", "(1 ^ 1) ^ 1 = True"}},
            {10, {1, 0, 0}, {"(1 ^ 0) v (1 ^ !0) = 1", "(0) v (1) = 1", "True = 1"}},
            {11, {0, 1, 0}, {"(0 v 1) ^ (0 v !1) = 0", "(1) ^ (0) = 0", "False = 0"}},
        },
        {
            // x1, y1, r1, x2, y2, r2
            {6,
             "(A ^ B) v (!A ^ C) = ({0}) v ({1}) = {2}\r\n(A v C) ^ (!A v B) = ({3}) ^ ({4}) = {5}\r\n",
             {{"0", "0", "False", "0", "1", "False"},
              {"0", "1", "True", "1", "1", "True"},
              {"0", "0", "False", "0", "1", "False"},
              {"0", "1", "True", "1", "1", "True"},
              {"0", "0", "False", "1", "0", "False"},
              {"0", "0", "False", "1", "0", "False"},
              {"1", "0", "True", "1", "1", "True"},
              {"1", "0", "True", "1", "1", "True"}}},
            // x1, y1, r1, x2, y2, r2; with the double blanks " v  !" and " ^  "
            {7,
             "(A v  !B) ^ (!A v C) = ({0}) ^ ({1}) = {2}\r\n(A ^  C) v (!B ^ !A) = ({3}) v ({4}) = {5}\r\n",
             {{"1", "1", "True", "0", "1", "True"},
              {"1", "1", "True", "0", "1", "True"},
              {"0", "1", "False", "0", "0", "False"},
              {"0", "1", "False", "0", "0", "False"},
              {"1", "0", "False", "0", "0", "False"},
              {"1", "1", "True", "1", "0", "True"},
              {"1", "0", "False", "0", "0", "False"},
              {"1", "1", "True", "1", "0", "True"}}},
            // r1, r2; the first line has a blank after its opening bracket
            {8,
             "A v ( B v C) = {0}\r\n(A v B) v C = {1}\r\n",
             {{"False", "False"},
              {"True", "True"},
              {"True", "True"},
              {"True", "True"},
              {"True", "True"},
              {"True", "True"},
              {"True", "True"},
              {"True", "True"}}},
            {9,
             "A ^ ( B ^ C) = {0}\r\n(A ^ B) ^ C = {1}\r\n",
             {{"False", "False"},
              {"False", "False"},
              {"False", "False"},
              {"False", "False"},
              {"False", "False"},
              {"False", "False"},
              {"False", "False"},
              {"True", "True"}}},
            // x, y, r
            {10,
             "(A ^ B) v (A ^ !B) = A\r\n({0}) v ({1}) = A\r\n{2} = A\r\n",
             {{"0", "0", "False"}, {"0", "0", "False"}, {"0", "1", "True"}, {"1", "0", "True"}}},
            {11,
             "(A v B) ^ (A v !B) = A\r\n({0}) ^ ({1}) = A\r\n{2} = A\r\n",
             {{"0", "1", "False"}, {"1", "0", "False"}, {"1", "1", "True"}, {"1", "1", "True"}}},
        },
        {
            {6, SidesPrinted::AtEndOfEachOfTwo, [](bool a, bool b, bool c) { return (a && b) || (!a && c); },
             [](bool a, bool b, bool c) { return (a || c) && (!a || b); }},
            {7, SidesPrinted::AtEndOfEachOfTwo, [](bool a, bool b, bool c) { return (a || !b) && (!a || c); },
             [](bool a, bool b, bool c) { return (a && c) || (!b && !a); }},
            {8, SidesPrinted::AtEndOfEachOfTwo, [](bool a, bool b, bool c) { return a || (b || c); },
             [](bool a, bool b, bool c) { return (a || b) || c; }},
            {9, SidesPrinted::AtEndOfEachOfTwo, [](bool a, bool b, bool c) { return a && (b && c); },
             [](bool a, bool b, bool c) { return (a && b) && c; }},
            // The last line is the left side's truth value, then the value of A.
            {10, SidesPrinted::OnLastLine, [](bool a, bool b, bool) { return (a && b) || (a && !b); },
             [](bool a, bool, bool) { return a; }},
            {11, SidesPrinted::OnLastLine, [](bool a, bool b, bool) { return (a || b) && (a || !b); },
             [](bool a, bool, bool) { return a; }},
        },
    };
    return group;
}

} // namespace testing
