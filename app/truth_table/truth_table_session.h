// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the truth-table window works on, without a widget: the formula in its
// field, whether it is the chosen law's or the student's own, and its table
// (or why it cannot be read). Every change says changed().

#include "formula.h"

#include <QObject>
#include <QString>

#include <optional>

class TruthTableSession : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

    // The formula of law `row` (0 for law 1).
    void showLaw(int row);
    // The student's own formula, as typed.
    void edit(const QString &formula);

    const QString &formula() const { return formula_; }
    bool isEdited() const { return edited_; }
    // The law whose formula the field was last given, -1 before any.
    int law() const { return law_; }
    const std::optional<formulas::TruthTable> &table() const { return table_; }
    const std::optional<formulas::ReadError> &readError() const { return readError_; }
    // What the title names: "3. Закон за поглъщането", or "собствена формула".
    QString subject() const;

signals:
    void changed();

private:
    void tabulate(const QString &formula);

    QString formula_;
    bool edited_ = false;
    int law_ = -1;
    std::optional<formulas::TruthTable> table_;
    std::optional<formulas::ReadError> readError_;
};
