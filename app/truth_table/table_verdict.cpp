// SPDX-License-Identifier: GPL-3.0-or-later
#include "table_verdict.h"

#include "formula_messages.h"
#include "truth_table_texts.h"

using table_texts::shown;

QString verdictOf(const formulas::TruthTable &table) {
    const int failing = table.failingRows();
    if (failing == 0)
        return shown(table.hasEquals ? table_texts::identityWithSides : table_texts::identityAlone);
    // A formula of constants has a single row; Bulgarian words one row
    // apart from many, so it has a sentence of its own.
    const int rows = int(table.rows.size());
    if (rows == 1)
        return table.hasEquals ? QCoreApplication::translate(
                                     "TruthTableWindow",
                                     "Не е тъждество: страните се различават на 1 от 1 ред (отбелязани с ✗).")
                               : QCoreApplication::translate(
                                     "TruthTableWindow",
                                     "Не е тъждество: формулата е невярна на 1 от 1 ред (отбелязани с ✗).");
    // %1 of %n rows.
    if (table.hasEquals)
        return QCoreApplication::translate(
                   "TruthTableWindow",
                   "Не е тъждество: страните се различават на %1 от %n реда (отбелязани с ✗).", nullptr, rows)
            .arg(failing);
    return QCoreApplication::translate(
               "TruthTableWindow", "Не е тъждество: формулата е невярна на %1 от %n реда (отбелязани с ✗).",
               nullptr, rows)
        .arg(failing);
}

QString verdictOf(const formulas::ReadError &error) { return formulaErrorText(error); }
