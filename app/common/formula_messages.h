// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "formula.h"

#include <QString>

// The formula reader's errors in words: "Грешка на позиция N: …", naming
// what was expected there or the character that cannot be read.
QString formulaErrorText(const formulas::ReadError &error);
