// SPDX-License-Identifier: GPL-3.0-or-later
#include "table_verdict.h"

#include "formula_messages.h"
#include "truth_table_texts.h"

namespace {

// "1 от 2 реда", "3 от 8 реда"; a formula of constants has a single row.
QString partOf(int part, std::size_t total) {
    return QStringLiteral("%1 от %2 %3")
        .arg(part)
        .arg(total)
        .arg(total == 1 ? QStringLiteral("ред") : QStringLiteral("реда"));
}

} // namespace

QString verdictOf(const formulas::TruthTable &table) {
    const int failing = table.failingRows();
    if (failing == 0)
        return QString::fromUtf8(table.hasEquals ? table_texts::identityWithSides
                                                 : table_texts::identityAlone);
    return QString::fromUtf8(table.hasEquals ? table_texts::notIdentityWithSides
                                             : table_texts::notIdentityAlone)
        .arg(partOf(failing, table.rows.size()));
}

QString verdictOf(const formulas::ReadError &error) { return formulaErrorText(error); }
