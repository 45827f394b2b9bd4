// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the tests of --proof and --sheet share: the built program run as over
// ssh, and the result box's text computed from the provers themselves.

#include <QByteArray>
#include <QStringList>

struct ProgramRun {
    int exitCode = -1; // -1: crashed or did not finish
    QByteArray out, err;
};

// No display can be reached, and Qt is told to use X, so anything that
// started a window system would fail. `input` is its standard input.
ProgramRun runProgram(const QStringList &arguments, const QByteArray &input = {});

int variableCount(int row); // of row index `row`, 0 for law 1

// The result box's text for the assignment numbered `bits` (A the most
// significant digit), with "\n" line ends.
QByteArray resultBoxText(int row, int bits);
