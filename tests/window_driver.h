// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Performs user actions on the real window with real input events: mouse
// and keys go through the window's platform window, so the toolkit itself
// finds the control under the pointer and the control with the focus.

#include "inf_tarvisko.h"
#include "reference_model.h"
#include "user_action.h"
#include "window_state.h"

#include <QString>

class QScrollBar;

namespace testing {

class WindowDriver {
public:
    explicit WindowDriver(Inf_Tarvisko &window) : window_(window) {}

    // Empty when done; otherwise why the action could not be performed.
    QString perform(const UserAction &action);
    WindowState observe() const;

    // PageUp and PageDown move by one row less than a list shows at once.
    ListPages pages() const;

private:
    ChoiceList *listOf(Control control) const;
    QWidget *widgetOf(Control control) const;
    QScrollBar *scrollBarOf(Control control) const;

    // Where on the window a row of a list is, in the list's place even
    // while the list is hidden; scrolls the law list (with its scroll bar,
    // as a user would) until the rows from `first` to `last` show in full.
    QPoint rowPoint(Control list, int row, int across, int down);
    bool reveal(Control list, int first, int last);
    QRect rowRect(Control list, int row) const;
    QPoint belowRowsPoint(Control list);
    void clickScrollBar(QScrollBar *bar, int along);
    // Closes a context menu left open, or chooses its truth-table item; then
    // checks and closes a truth-table window that opened.
    void settleMenusAndTable(bool chooseTable);
    QString checkTable(const QWidget &table) const;
    // Types a step into the derivation window Ctrl+D opened, checks that it
    // shows the selected law, and closes it.
    QString useDerivation(const QString &step);

    Inf_Tarvisko &window_;
    QString problem_;
    int tablesOpened_ = 0;
};

} // namespace testing
