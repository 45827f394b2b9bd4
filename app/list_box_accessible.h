#pragma once

class QAccessibleInterface;
class QObject;
class QString;

// What a screen reader sees of a ListBox: a list whose children are its
// rows, each named by its text, selectable, selected or not, the current one
// focused while the list has the focus. Installed once, before the first
// list is asked for.
QAccessibleInterface *listBoxInterface(const QString &className, QObject *object);
