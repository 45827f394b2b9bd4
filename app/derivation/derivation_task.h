// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Where a derivation starts and where it must arrive: a law of the
// catalogue (its left side into its right side), a formula "F = G" (F into
// G), or a formula alone (into its minimal sum of products).

#include "formula_tree.h"

#include <QCoreApplication>
#include <QString>

#include <variant>

struct DerivationTask {
    formulas::Tree start;
    formulas::Tree goal;
    QString goalText; // what "Цел" shows
    QString subject;  // what the window's title names
};

class DerivationTasks {
    Q_DECLARE_TR_FUNCTIONS(DerivationTasks)

public:
    // row: 0 for law 1.
    static DerivationTask ofLaw(int row);
    // The reader's message where the text cannot be read.
    static std::variant<DerivationTask, QString> ofFormula(const QString &text);
    // One formula for a step: a leading "=" (as a derived chain prints its
    // lines) is allowed, a second side is not.
    static std::variant<formulas::Tree, QString> readStep(const QString &text);
};
