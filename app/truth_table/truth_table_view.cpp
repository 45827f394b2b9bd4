// SPDX-License-Identifier: GPL-3.0-or-later
#include "truth_table_view.h"

#include "truth_table_model.h"

#include <QKeyEvent>

TruthTableView::TruthTableView(TruthTableModel *model, QWidget *parent) : QTableView(parent), model_(model) {
    setModel(model);
    setSelectionBehavior(SelectRows);
    setSelectionMode(SingleSelection);
    setEditTriggers(NoEditTriggers);
    // Tab leaves the table for the next control; the arrows move within it.
    setTabKeyNavigation(false);
    connect(this, &QAbstractItemView::clicked, this,
            [this](const QModelIndex &index) { model_->toggle(index); });
}

void TruthTableView::setExercise(bool on) {
    setSelectionBehavior(on ? SelectItems : SelectRows);
    // In the exercise Tab walks the cells to fill, then leaves.
    setTabKeyNavigation(on);
    if (on && model_->columnCount() > 0)
        moveToCell(std::max(0, currentIndex().row()), model_->variableCount());
    else if (currentIndex().isValid())
        moveToCell(currentIndex().row(), currentIndex().column());
}

void TruthTableView::moveToCell(int row, int column) {
    const QModelIndex cell = model_->index(row, column);
    QItemSelectionModel::SelectionFlags flags = QItemSelectionModel::ClearAndSelect;
    if (selectionBehavior() == SelectRows)
        flags |= QItemSelectionModel::Rows;
    selectionModel()->setCurrentIndex(cell, flags);
    scrollTo(cell);
}

void TruthTableView::walkCells(bool forward, QKeyEvent *event) {
    // The cells to fill, row by row; past the last (or before the first) the
    // key is left to Qt, which moves the focus on.
    const int first = model_->variableCount();
    const int width = model_->columnCount() - first;
    const QModelIndex current = currentIndex();
    int cell = current.row() * width + std::max(0, current.column() - first);
    if (current.column() < first && forward)
        cell -= 1; // from a variable's cell, Tab goes to the row's first cell to fill
    cell += forward ? 1 : -1;
    if (cell < 0 || cell >= model_->rowCount() * width) {
        event->ignore();
        return;
    }
    moveToCell(cell / width, first + cell % width);
}

bool TruthTableView::exerciseKey(QKeyEvent *event) {
    const QModelIndex current = currentIndex();
    const bool tab = event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab;
    if (tab && !(event->modifiers() & Qt::ControlModifier)) {
        walkCells(event->key() == Qt::Key_Tab && !(event->modifiers() & Qt::ShiftModifier), event);
        return true;
    }
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        emit checkRequested();
        return true;
    }
    if (!model_->isAnswerCell(current))
        return false;
    const QString text = event->text();
    if (text == QLatin1String("0") || text == QLatin1String("1")) {
        model_->setAnswer(current,
                          text == QLatin1String("1") ? formulas::Answer::One : formulas::Answer::Zero);
        // Down the column; from its foot, to the head of the next one.
        if (current.row() + 1 < model_->rowCount())
            moveToCell(current.row() + 1, current.column());
        else if (current.column() + 1 < model_->columnCount())
            moveToCell(0, current.column() + 1);
        return true;
    }
    if (event->key() == Qt::Key_Space) {
        model_->toggle(current);
        return true;
    }
    if (event->key() == Qt::Key_Delete || event->key() == Qt::Key_Backspace) {
        model_->setAnswer(current, formulas::Answer::Blank);
        return true;
    }
    return false;
}

void TruthTableView::keyPressEvent(QKeyEvent *event) {
    if (model_->inExercise() && exerciseKey(event))
        return;
    QTableView::keyPressEvent(event);
}
