// SPDX-License-Identifier: GPL-3.0-or-later
#include "shift_f10_menu.h"

#include <QAbstractItemView>
#include <QContextMenuEvent>
#include <QCoreApplication>
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
