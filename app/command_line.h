// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The window takes no arguments. --help and --version are answered as
// desktop programs answer them; anything else is refused in one line. None of
// this needs a display.

#include <QString>
#include <QStringList>

#include <optional>

namespace command_line {

struct Answer {
    int exitCode = 0;
    QString out; // for standard output
    QString err; // for standard error: at most one line
};

// arguments as QCoreApplication::arguments() gives them, the program first.
// No answer when there is nothing but the program: the window opens.
std::optional<Answer> answer(const QStringList &arguments);

// Builds a (display-free) application object, prints the answer and returns
// its exit code. Only for argc > 1.
int answerAndExit(int argc, char *argv[]);

} // namespace command_line
