// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

// The command line as it was typed, the program first. On Windows argv holds
// the arguments in the system's ANSI code page, which cannot spell every file
// name (a Cyrillic one on a western Windows); the wide command line can.
namespace program {

QStringList typedArguments(int argc, char *argv[]);

} // namespace program
