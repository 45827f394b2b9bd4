// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QObject>

class QAbstractScrollArea;
class QAction;
class QContextMenuEvent;

// The context menus of the law list and the result box: the result box's
// own items (copy, select all) first, then, after a separator, the items
// that other windows add (the truth table, proof sheets). The law list has
// a menu only once such items exist. Mouse, menu key and Shift+F10 open it.
class ContextMenus : public QObject {
public:
    ContextMenus(QAbstractScrollArea *lawList, QAbstractScrollArea *resultBox);

    void addAction(QAction *action) { actions_.append(action); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void open(QAbstractScrollArea *owner, QContextMenuEvent *event);

    QAbstractScrollArea *lawList_;
    QAbstractScrollArea *resultBox_;
    QList<QAction *> actions_;
};
