// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QListWidget>

// Qt's own single-selection list, bent in one decision: once a row is
// chosen the list keeps a chosen row. Ctrl+click and ctrl+space on the
// chosen row, and a click or drag below the last row, would empty a stock
// list; here they leave the choice as it is. Everything else (keys, typed
// letters, auto-scroll, screen readers) is the stock list's. Its context
// menu offers the items added to it with addAction(), once there are any.
class ChoiceList : public QListWidget {
    Q_OBJECT

public:
    explicit ChoiceList(QWidget *parent = nullptr);

    // The chosen row, or -1 before the first choice.
    int selectedRow() const;
    // The row's text, or the empty text when there is no such row.
    QString itemText(int row) const;

protected:
    void contextMenuEvent(QContextMenuEvent *event) override;
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex &index,
                                                         const QEvent *event = nullptr) const override;
};
