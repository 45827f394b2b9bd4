// SPDX-License-Identifier: GPL-3.0-or-later
#include "context_menus.h"

#include <QAbstractItemView>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QMenu>
#include <QPlainTextEdit>
#include <QShortcut>

void opensMenuOnShiftF10(QAbstractScrollArea *owner) {
    auto *shortcut = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F10), owner);
    shortcut->setContext(Qt::WidgetWithChildrenShortcut);
    QObject::connect(shortcut, &QShortcut::activated, owner, [owner] {
        QPoint at = owner->viewport()->rect().center();
        if (auto *box = qobject_cast<QPlainTextEdit *>(owner))
            at = box->cursorRect().center();
        else if (auto *list = qobject_cast<QAbstractItemView *>(owner))
            at = list->visualRect(list->currentIndex()).center();
        QContextMenuEvent event(QContextMenuEvent::Keyboard, at, owner->viewport()->mapToGlobal(at));
        QCoreApplication::sendEvent(owner->viewport(), &event);
    });
}

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
