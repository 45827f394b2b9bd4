// SPDX-License-Identifier: GPL-3.0-or-later
#include "screen_reader.h"

#include <QAccessibleWidget>
#include <QSet>
#include <QWidget>

namespace screen_reader {

namespace {

// The class names of the program's windows, as Qt asks the factory for each.
QSet<QString> &windowClasses() {
    static QSet<QString> names;
    return names;
}

QAccessibleInterface *windowInterface(const QString &className, QObject *object) {
    if (object->isWidgetType() && windowClasses().contains(className))
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Window);
    return nullptr;
}

} // namespace

void describe(QWidget *control, const QString &name) {
    control->setAccessibleName(name);
    control->setAccessibleDescription(control->toolTip());
}

void describe(QWidget *control, const QString &name, const QString &toolTip) {
    control->setToolTip(toolTip);
    describe(control, name);
}

void readAsWindow(QWidget *window) {
    if (windowClasses().isEmpty())
        QAccessible::installFactory(windowInterface);
    windowClasses().insert(QString::fromLatin1(window->metaObject()->className()));
}

} // namespace screen_reader
