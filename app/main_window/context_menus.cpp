// SPDX-License-Identifier: GPL-3.0-or-later
#include "context_menus.h"

#include "shift_f10_menu.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QPlainTextEdit>

ContextMenus::ContextMenus(QAbstractScrollArea *lawList, QAbstractScrollArea *resultBox)
    : QObject(lawList), lawList_(lawList), resultBox_(resultBox) {
    // A click's menu comes to the viewport, the menu key's to the list or box.
    for (QAbstractScrollArea *owner : {lawList, resultBox}) {
        owner->installEventFilter(this);
        owner->viewport()->installEventFilter(this);
        opensMenuOnShiftF10(owner);
    }
}

bool ContextMenus::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() != QEvent::ContextMenu)
        return false;
    QAbstractScrollArea *owner =
        watched == lawList_ || watched == lawList_->viewport() ? lawList_ : resultBox_;
    if (owner == lawList_ && actions_.isEmpty())
        return false;
    open(owner, static_cast<QContextMenuEvent *>(event));
    return true;
}

void ContextMenus::open(QAbstractScrollArea *owner, QContextMenuEvent *event) {
    QMenu *menu = nullptr;
    if (auto *box = qobject_cast<QPlainTextEdit *>(owner)) {
        menu = box->createStandardContextMenu(box->viewport()->mapFromGlobal(event->globalPos()));
        if (!actions_.isEmpty())
            menu->addSeparator();
    } else {
        menu = new QMenu(owner);
    }
    menu->addActions(actions_);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}
