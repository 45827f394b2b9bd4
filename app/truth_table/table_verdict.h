// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "formula.h"

#include <QString>

// The verdict line under the table: "Тъждество…", "Не е тъждество…" with
// the number of rows where the sides differ, or the reader's own
// "Грешка на позиция N: …".
QString verdictOf(const formulas::TruthTable &table);
QString verdictOf(const formulas::ReadError &error);
