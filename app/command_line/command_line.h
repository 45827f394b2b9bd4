// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A bare start opens the window, and so do the files of an assignment to
// open in it. Arguments are answered without it: --help
// and --version as desktop programs answer them, --proof prints proofs as the
// result box shows them, --sheet writes them into a PDF or HTML sheet; a
// wrong argument is refused in one line. None of this needs a display.

#include "assignment.h"
#include "language.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace command_line {

// What --sheet asks to be written: laws, or an assignment's worksheet.
struct SheetRequest {
    QList<int> rows; // row indexes, 0 for law 1
    QString path;
    std::optional<homework::Assignment> assignment;
    bool key = false; // the assignment's answer key rather than its worksheet
};

struct Answer {
    int exitCode = 0;
    QString out; // for standard output
    QString err; // for standard error: one line, or one for each file refused
    // The work left for a sheet: it needs fonts, so it is done after the
    // arguments are read, with an application object that has them.
    std::optional<SheetRequest> sheet;
};

// arguments as QCoreApplication::arguments() gives them, the program first.
// No answer when there is nothing but the program and --language: the
// window opens. The texts are worded in the language installed when this is
// called (language::apply); a --language that is neither bg nor en is
// refused first, whatever else is asked.
std::optional<Answer> answer(const QStringList &arguments);

// The language --language names, if it names one.
std::optional<language::Language> askedLanguage(const QStringList &arguments);
std::optional<language::Language> askedLanguage(int argc, char *argv[]);

// The files the window opens: one or two words that are no option (an
// assignment, its answers, or both). Empty unless answer() lets the window open.
QStringList filesToOpen(const QStringList &arguments);
QStringList filesToOpen(int argc, char *argv[]);

// Prints the answer in the language asked for (building a core application
// object, never one on a window system) and returns the exit code; nothing
// when the window is to open. Only for argc > 1.
std::optional<int> answerAndExit(int argc, char *argv[]);

} // namespace command_line
