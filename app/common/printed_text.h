// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A formula tree as the windows and the command line print it.

#include "formula_printer.h"

#include <QString>

inline QString printedText(const formulas::Tree &tree) {
    return QString::fromStdString(formulas::printed(tree));
}
