// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the user has chosen, held once for every window: the law (a row of
// the catalogue), the values of A, B and C, and the formula typed in the
// truth-table window. Windows set it and follow its signals; none reaches
// into another's controls. A setter that changes nothing signals nothing,
// so two windows that follow each other through it never loop.

#include <QObject>
#include <QString>

#include <array>

class LawSelection : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

    // The catalogue's row, 0 for law 1 (0 to 20).
    int law() const { return law_; }
    void setLaw(int row);

    // variable: 0 for A, 1 for B, 2 for C.
    bool value(int variable) const;
    void setValue(int variable, bool value);
    std::array<bool, 3> values() const { return values_; }
    // All three held first, then one valueChanged per changed variable: a
    // window that follows the first signal already sees the whole row.
    void setValues(const std::array<bool, 3> &values);

    // The truth-table window's own formula; empty while it shows the law's
    // formula or is closed.
    QString tableFormula() const { return tableFormula_; }
    void setTableFormula(const QString &formula);

signals:
    void lawChanged(int row);
    void valueChanged(int variable, bool value);
    void tableFormulaChanged(const QString &formula);
    // After any of the three above.
    void changed();

private:
    int law_ = 0;
    std::array<bool, 3> values_{};
    QString tableFormula_;
};
