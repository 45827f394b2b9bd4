// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTableView>

class TruthTableModel;

// Qt's table view with the exercise's keys and clicks on the cells to fill:
// 0 and 1 write the current cell and move down, Space and a click step it
// blank → 0 → 1 → blank, Delete clears it, Tab and Shift+Tab walk the cells
// to fill (and leave the table after the last), Enter asks for a check.
// Outside the exercise it is the stock view.
class TruthTableView : public QTableView {
    Q_OBJECT

public:
    explicit TruthTableView(TruthTableModel *model, QWidget *parent = nullptr);

    // Rows are chosen as a whole, except in the exercise, where the current
    // cell shows on its own.
    void setExercise(bool on);
    // Makes the cell current and chosen (its whole row outside the exercise).
    void moveToCell(int row, int column);

signals:
    void checkRequested();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    bool exerciseKey(QKeyEvent *event);
    void walkCells(bool forward, QKeyEvent *event);

    TruthTableModel *model_;
};
