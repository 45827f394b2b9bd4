// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The built program run as over ssh: no display can be reached, and Qt is
// told to use X, so anything that started a window system would fail.

#include <QByteArray>
#include <QStringList>

struct ProgramRun {
    int exitCode = -1; // -1: crashed or did not finish
    QByteArray out, err;
};

ProgramRun runProgram(const QStringList &arguments);
