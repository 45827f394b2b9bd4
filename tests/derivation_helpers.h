// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Formulas for the derivation tests: read from text, and checked by the
// reader's own truth tables rather than by the library under test.

#include "formula_printer.h"
#include "formula_tree.h"

#include <QByteArray>
#include <QString>

#include <random>

namespace testing {

inline formulas::Tree treeOf(const QString &text) {
    const auto read = formulas::readTree(text.toStdU32String());
    return std::get<formulas::Equation>(read).left;
}

inline QString textOf(const formulas::Tree &tree) { return QString::fromStdString(formulas::printed(tree)); }

// "F = G" read and tabulated by the reader: both sides agree on every row.
inline bool equivalent(const formulas::Tree &a, const formulas::Tree &b) {
    const auto table = formulas::tabulate((textOf(a) + QStringLiteral(" = ") + textOf(b)).toStdU32String());
    return std::get<formulas::TruthTable>(table).isIdentity();
}

// A random formula over the first `letters` letters, `depth` levels deep.
inline QString randomFormula(std::mt19937 &random, int depth, int letters) {
    if (depth == 0 || random() % 4 == 0)
        return random() % 8 == 0 ? QString::number(random() % 2)
                                 : QString(QChar(u'A' + int(random() % unsigned(letters))));
    static const char *const operators[] = {" ^ ", " v ", " Xor ", " -> ", " <--> "};
    if (random() % 5 == 0)
        return QStringLiteral("!(%1)").arg(randomFormula(random, depth - 1, letters));
    const char *op = operators[random() % (random() % 3 == 0 ? 5 : 2)];
    return QStringLiteral("(%1)%2(%3)")
        .arg(randomFormula(random, depth - 1, letters), QLatin1String(op),
             randomFormula(random, depth - 1, letters));
}

} // namespace testing
