// SPDX-License-Identifier: GPL-3.0-or-later
#include "text_box.h"

#include <QContextMenuEvent>
#include <QMenu>

void TextBox::contextMenuEvent(QContextMenuEvent *event) {
    QMenu *menu = createStandardContextMenu(viewport()->mapFromGlobal(event->globalPos()));
    if (!actions().isEmpty()) {
        menu->addSeparator();
        menu->addActions(actions());
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}
