// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A mode of the command line: the option that chooses it (--proof N), the
// options given only with it (--values), and what it answers. A new mode is
// a file of its own with a function that returns its Mode, and one line in
// modes.cpp.

#include "command_line.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>

#include <functional>
#include <optional>

// The context of the command line's texts for translators.
struct CommandLine {
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};

namespace command_line {

// What a mode is handed: the arguments as given (the program first) and the
// parser that has read them.
struct Request {
    const QStringList &arguments;
    const QCommandLineParser &parser;

    // The refusal line: the program, ": ", then pattern with %1, %2, ...
    // replaced in one pass by `named`, each kept to one printable line.
    Answer refuse(const QString &pattern, const QStringList &named = {}) const;
};

struct Mode {
    QCommandLineOption option;
    QList<QCommandLineOption> companions;
    std::function<Answer(const Request &)> run;
    // The words after the options are files for it (--grade's answers).
    bool takesFiles = false;
};

// The modes in the order of the help text.
const QList<Mode> &modes();

// "--proof" for the option named "proof".
QString dashed(const QCommandLineOption &option);

// A law number as typed, in decimal digits only ("7", not "+7" or " 7"),
// from 1 to 21: its row index.
std::optional<int> rowOfLaw(const QString &text);

// One line whatever the text holds: line breaks and terminal controls
// become "?".
QString printable(QString text);

} // namespace command_line
