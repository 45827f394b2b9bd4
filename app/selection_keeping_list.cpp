#include "selection_keeping_list.h"

int SelectionKeepingList::selectedRow() const {
    const QModelIndexList rows = selectionModel()->selectedIndexes();
    return rows.isEmpty() ? -1 : rows.first().row();
}

QString SelectionKeepingList::itemText(int row) const {
    const QListWidgetItem *found = item(row);
    return found ? found->text() : QString();
}

QItemSelectionModel::SelectionFlags SelectionKeepingList::selectionCommand(const QModelIndex &index,
                                                                           const QEvent *event) const {
    if (!index.isValid())
        return QItemSelectionModel::NoUpdate;
    const QItemSelectionModel::SelectionFlags command = QListWidget::selectionCommand(index, event);
    if (command & (QItemSelectionModel::Deselect | QItemSelectionModel::Toggle)) {
        // Toggling a row that is not selected yet simply selects it.
        if (selectionModel()->isSelected(index))
            return QItemSelectionModel::NoUpdate;
        return QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows;
    }
    return command;
}
