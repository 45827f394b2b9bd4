#pragma once

#include <QListWidget>

// A single-selection list that the user cannot leave without a selection:
// ctrl+click or ctrl+space on the selected row and clicks on the empty space
// below the items keep the current selection instead of clearing it.
class SelectionKeepingList : public QListWidget {
public:
    using QListWidget::QListWidget;

    // The selected row, or -1 when nothing is selected.
    int selectedRow() const;

    // The text of the item at row, or the empty text when there is none.
    QString itemText(int row) const;

protected:
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex &index,
                                                         const QEvent *event) const override;
};
