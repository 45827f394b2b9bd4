// SPDX-License-Identifier: GPL-3.0-or-later
#include "menu_item.h"

#include <QAction>
#include <QCoreApplication>

namespace menu_item {

namespace {
constexpr const char *contextKey = "menuItemContext";
constexpr const char *sourceKey = "menuItemSource";
} // namespace

void setText(QAction *action, const char *context, const char *source) {
    action->setProperty(contextKey, QByteArray(context));
    action->setProperty(sourceKey, QByteArray(source));
    action->setText(QCoreApplication::translate(context, source));
}

void retranslate(const QList<QAction *> &actions) {
    for (QAction *action : actions) {
        const QByteArray source = action->property(sourceKey).toByteArray();
        if (!source.isEmpty())
            action->setText(QCoreApplication::translate(
                action->property(contextKey).toByteArray().constData(), source.constData()));
    }
}

} // namespace menu_item
