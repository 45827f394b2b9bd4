// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the prover tests know of each law, written out from the laws' value
// tables and worked examples, never computed with the provers' value model.
// tests/provers_test.cpp runs the same checks over every group.

#include "proof_helpers.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace testing {

struct WorkedExample {
    int row;
    Inputs inputs;
    std::vector<std::string_view> lines; // without their "\r\n"
};

// A law's proof with the printed values in the order its value table lists
// them, one row of values per input combination in counting order.
struct ValueTable {
    int row;
    std::string_view pattern;
    std::vector<std::vector<std::string>> printed;
};

// Where a proof prints the truth values of the law's two sides.
enum class SidesPrinted {
    LeftOnlyAtEnd,    // "... = r": the law holds when r is the value of A
    OnLastLine,       // the last line reads "left = right"
    AtEndOfEachOfTwo, // one line per side, each ending "= value"
};

// A law as plain Boolean functions of A, B and C.
struct LawSides {
    int row;
    SidesPrinted printed;
    std::function<bool(bool, bool, bool)> left, right;
};

struct ProverGroup {
    std::vector<WorkedExample> examples;
    std::vector<ValueTable> valueTables;
    std::vector<LawSides> laws;
};

const ProverGroup &gluingAbsorptionDeMorgan();
const ProverGroup &transpositionAssociativityProximity();
const ProverGroup &consensusSimplification();
const ProverGroup &distributiveXorImplicationEquivalence();

} // namespace testing
