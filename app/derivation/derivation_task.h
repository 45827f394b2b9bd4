// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Where a derivation starts and where it must arrive: a law of the
// catalogue (its left side into its right side), a formula "F = G" (F into
// G), or a formula alone (into its minimal sum of products). The task keeps
// what its title and goal name as data, worded when shown.

#include "formula.h"
#include "formula_tree.h"

#include <QCoreApplication>
#include <QString>

#include <optional>
#include <variant>

struct DerivationTask {
    formulas::Tree start;
    formulas::Tree goal;
    std::optional<int> law;   // the catalogue's row the task comes from
    QString formula;          // the formula as read, for a task typed in
    bool minimalForm = false; // the goal is the start's minimal form, not a formula written out

    // What the window's title names: "7. Закон за транспозицията" or the formula.
    QString subject() const;
    // What "Цел" shows: the goal's formula, or "минимална форма".
    QString goalText() const;
};

// Why a step cannot be checked: the reader's error, or a second side.
struct StepError {
    std::optional<formulas::ReadError> unreadable;
    int secondEquals = 0; // 1-based position of the "=" of a second side

    QString text() const;
};

class DerivationTasks {
    Q_DECLARE_TR_FUNCTIONS(DerivationTasks)

public:
    // row: 0 for law 1.
    static DerivationTask ofLaw(int row);
    // The reader's error where the text cannot be read.
    static std::variant<DerivationTask, formulas::ReadError> ofFormula(const QString &text);
    // One formula for a step: a leading "=" (as a derived chain prints its
    // lines) is allowed, a second side is not.
    static std::variant<formulas::Tree, StepError> readStep(const QString &text);
};
