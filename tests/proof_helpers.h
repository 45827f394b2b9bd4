// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the prover tests share: running one row's prover for given inputs as
// the window would, splitting its text into lines, and filling a proof's
// pattern from a value table. Nothing here computes a law.

#include <QByteArray>
#include <QString>

#include <string>
#include <string_view>
#include <vector>

namespace testing {

struct Inputs {
    int A = 0, B = 0, C = 0;
};

// Every combination of the first variableCount inputs, from all zeros to all
// ones (C stays 0 for two-variable laws).
std::vector<Inputs> allInputs(int variableCount);

// Only the lines the prover of row index `row` appends, "\r\n" included.
QByteArray proofOf(int row, Inputs inputs);

// The lines of a text that ends with "\r\n", without their line ends.
// Fails the running test if the text does not end so.
std::vector<std::string> linesOf(const QByteArray &text);

// A proof as the value table gives it: in `pattern`, the letters A, B and C
// stand for the inputs' digits and {0}, {1}, ... for the printed values.
QByteArray fromPattern(std::string_view pattern, Inputs inputs, const std::vector<std::string> &printed);

// The text before and after the last " = " of a line.
std::pair<std::string, std::string> sidesOf(const std::string &line);

// "True" and "1" read as true, "False" and "0" as false; anything else fails
// the running test.
bool truthOf(const std::string &word);

QByteArray caseName(int row, Inputs inputs);

} // namespace testing
