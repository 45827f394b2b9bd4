// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The rows of a formula's truth table for a QTableView: a column for each
// variable the formula uses, then the two sides (or the formula's value).
// Rows where the sides differ carry a mark a reader can read (the row
// header "✗" and the cells' description) besides their colour.

#include "formula.h"

#include <QAbstractTableModel>

#include <optional>

class TruthTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    using QAbstractTableModel::QAbstractTableModel;

    // A table, or none (the formula could not be read): no rows, no columns.
    void setTable(std::optional<formulas::TruthTable> table);
    const std::optional<formulas::TruthTable> &table() const { return table_; }

    int variableCount() const { return table_ ? int(table_->variables.size()) : 0; }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

private:
    bool sameShape(const std::optional<formulas::TruthTable> &other) const;
    bool cellValue(const formulas::TableRow &row, int column) const;
    QString rowMarkText() const;

    std::optional<formulas::TruthTable> table_;
};
