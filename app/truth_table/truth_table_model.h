// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The rows of a formula's truth table for a QTableView: a column for each
// variable the formula uses, then the two sides (or the formula's value).
// Rows where the sides differ carry a mark a reader can read (the row
// header "✗" and the cells' description) besides their colour.
//
// In the exercise ("Провери се") the sides' cells start blank and hold the
// student's answers; once checked, each filled cell shows ✓ or ✗ (in its
// text, its description and its colour), and the true values can be shown
// beside the answers.

#include "formula.h"
#include "table_exercise.h"

#include <QAbstractTableModel>

#include <optional>

class TruthTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    using QAbstractTableModel::QAbstractTableModel;

    // A table, or none (the formula could not be read): no rows, no columns.
    // During the exercise a new table starts a fresh one.
    void setTable(std::optional<formulas::TruthTable> table);
    const std::optional<formulas::TruthTable> &table() const { return table_; }

    int variableCount() const { return table_ ? int(table_->variables.size()) : 0; }

    // The exercise: on or off, and what the student does in it.
    void setExercise(bool on);
    bool inExercise() const { return exerciseOn_; }
    const formulas::TableExercise *exercise() const { return exercise_ ? &*exercise_ : nullptr; }
    bool isAnswerCell(const QModelIndex &index) const;
    void setAnswer(const QModelIndex &index, formulas::Answer answer);
    void toggle(const QModelIndex &index);
    void check();
    bool isChecked() const { return checked_; }
    void showTruth(bool shown);
    bool isTruthShown() const { return truthShown_; }
    void restart();

    // The headers and the cells' words again, in the language now installed.
    void retranslate();

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

signals:
    // The answers, or whether they are checked, changed.
    void exerciseChanged();

private:
    bool sameShape(const std::optional<formulas::TruthTable> &other) const;
    bool cellValue(const formulas::TableRow &row, int column) const;
    QString rowMarkText() const;
    QVariant answerData(int row, int side, int role) const;
    void answersChanged(const QModelIndex &from, const QModelIndex &to);
    void startFresh();
    void everythingChanged();

    std::optional<formulas::TruthTable> table_;
    bool exerciseOn_ = false;
    std::optional<formulas::TableExercise> exercise_; // while the exercise is on and the formula reads
    bool checked_ = false;
    bool truthShown_ = false;
};
