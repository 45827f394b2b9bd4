// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A menu item keeps its words as data, the untranslated text and its
// translation context, so that the window that shows the item can word it
// again in its own retranslate(). Mark the text with QT_TRANSLATE_NOOP.

#include <QList>

class QAction;

namespace menu_item {

void setText(QAction *action, const char *context, const char *source);
// Words again every item given a text by setText(); others stay as they are.
void retranslate(const QList<QAction *> &actions);

} // namespace menu_item
