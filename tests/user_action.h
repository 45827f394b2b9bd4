// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What a restless user does to the window, as plain data: the random-action
// test generates these, performs them with real input events, feeds them to
// the reference model, and prints them when the two disagree.

#include <QPoint>
#include <QString>

namespace testing {

// The controls the user can reach, in the window's tab order; Nothing stands
// for the title, the labels and the bare window, which never take focus.
enum class Control { Description, LawList, SelectorA, SelectorB, SelectorC, ResultBox, Nothing };

QString nameOf(Control control);
bool isList(Control control);
int selectorIndex(Control control); // 0, 1, 2 for the selectors of A, B, C

struct UserAction {
    enum class Kind {
        ClickRow,       // with `button` on `row` of `target` (a list, hidden or not)
        DoubleClickRow, // the same, twice in quick succession
        DragRows,       // press on `row`, move over each row up to `toRow`, release there
        ClickBelowRows, // on the empty space under a list's last row
        ClickScrollBar, // on the vertical scroll bar of `target`, `along` percent down its length
        ClickPoint,     // anywhere in the window outside the lists: title, labels, text boxes, bare window
        Key,            // a key to whatever has focus, held for `repeats` auto-repeats
        TypeText,       // letters or digits to whatever has focus: a list jumps to a row they begin
        OpenTable,      // asks for the truth-table window `opening`'s way, then closes it
        UseDerivation,  // Ctrl+D, `text` typed as a step and checked with Enter, then the window closed
    };
    // Ctrl+T anywhere; Shift+F10 and the context menu's item, where the
    // control with the focus has that menu; or a right-click on `row` of the
    // law list and the menu's item.
    enum class Opening { Shortcut, ShiftF10, RightClickLawRow };

    Kind kind = Kind::Key;
    Control target = Control::Nothing;
    int row = 0;
    int toRow = 0;
    int across = 50; // where in the row the pointer lands, percent of its width...
    int down = 50;   // ...and of its height
    int along = 50;
    QPoint point; // ClickPoint, in the window's logical pixels
    Qt::MouseButton button = Qt::LeftButton;
    Qt::Key key = Qt::Key_unknown;
    QString text;
    Qt::KeyboardModifiers modifiers;
    int repeats = 0;
    Opening opening = Opening::Shortcut;
};

// One line a developer can read and redo by hand.
QString describe(const UserAction &action);

} // namespace testing
