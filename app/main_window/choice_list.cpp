// SPDX-License-Identifier: GPL-3.0-or-later
#include "choice_list.h"

#include <QContextMenuEvent>
#include <QMenu>

ChoiceList::ChoiceList(QWidget *parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    // Rows are plain text; nothing is dragged or edited.
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setDragEnabled(false);
}

void ChoiceList::contextMenuEvent(QContextMenuEvent *event) {
    if (actions().isEmpty()) {
        event->ignore();
        return;
    }
    auto *menu = new QMenu(this);
    menu->addActions(actions());
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

int ChoiceList::selectedRow() const {
    const QList<QListWidgetItem *> chosen = selectedItems();
    return chosen.isEmpty() ? -1 : row(chosen.constFirst());
}

QString ChoiceList::itemText(int row) const {
    const QListWidgetItem *found = item(row);
    return found ? found->text() : QString();
}

QItemSelectionModel::SelectionFlags ChoiceList::selectionCommand(const QModelIndex &index,
                                                                 const QEvent *event) const {
    const QItemSelectionModel::SelectionFlags command = QListWidget::selectionCommand(index, event);
    if (command == QItemSelectionModel::NoUpdate || selectedRow() < 0)
        return command;
    // Below the rows there is nothing to choose; the chosen row is kept.
    if (!index.isValid())
        return QItemSelectionModel::NoUpdate;
    // Deselecting or toggling the chosen row would leave none chosen.
    if (command & (QItemSelectionModel::Deselect | QItemSelectionModel::Toggle))
        return QItemSelectionModel::NoUpdate;
    return command;
}
