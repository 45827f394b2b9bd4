// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A bare start opens the window. Arguments are answered without it: --help
// and --version as desktop programs answer them, --proof prints proofs as the
// result box shows them, --sheet writes them into a PDF or HTML sheet; a
// wrong argument is refused in one line. None of this needs a display.

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace command_line {

// What --sheet asks to be written.
struct SheetRequest {
    QList<int> rows; // row indexes, 0 for law 1
    QString path;
};

struct Answer {
    int exitCode = 0;
    QString out; // for standard output
    QString err; // for standard error: at most one line
    // The work left for a sheet: it needs fonts, so it is done after the
    // arguments are read, with an application object that has them.
    std::optional<SheetRequest> sheet;
};

// arguments as QCoreApplication::arguments() gives them, the program first.
// No answer when there is nothing but the program: the window opens. Help
// is the only answer that needs an application object to exist.
std::optional<Answer> answer(const QStringList &arguments);

// Prints the answer (building an application object only where one is
// needed, never on a window system) and returns the exit code. Only for
// argc > 1.
int answerAndExit(int argc, char *argv[]);

} // namespace command_line
