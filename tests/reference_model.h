// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the window must look like after any sequence of user actions, decided
// here without asking the window: which law and values are selected, where
// each list's focus frame stands, which labels and selectors show, which
// control has the focus, and so what the result box must say.
//
// The rules are those of a single-selection list that never lets its
// selection go: a click or drag selects the row under the pointer, but a
// ctrl+click on the selected row and a click below the last row keep it; the
// navigation keys move the focus frame and select where it lands; Space
// selects the framed row. Keys go to the control with the focus; Tab and
// Shift+Tab walk the shown controls in tab order; hidden controls cannot be
// clicked, so a click where the hidden selector of C would be hits the bare
// window.

#include "user_action.h"
#include "window_state.h"

#include <QRect>

#include <array>

namespace testing {

// How many rows PageUp and PageDown move the focus frame: one row less than
// the list shows at once.
struct ListPages {
    int lawList = 1;
    int selector = 1;
};

class ReferenceModel {
public:
    explicit ReferenceModel(ListPages pages);

    void apply(const UserAction &action);
    WindowState expected() const;

    // Typed letters make the focused list jump to a row that begins with
    // them. Whether they add to the letters typed before or start a new
    // search depends on the typing speed, so after TypeText the model takes
    // the list's new row from the window, but only a row that begins with
    // a letter typed so far, selected and framed at once.
    void acceptTypedJump(const WindowState &shown);

    bool isShown(Control control) const;
    static int rowCount(Control list);
    Control focus() const { return focus_; }

    // The window's controls where the user finds them, in logical pixels.
    static QRect placeOf(Control control);
    static QSize windowSize();
    // The list, shown or hidden, whose place covers the point, if any.
    static Control listAt(QPoint point);
    static QString rowText(Control list, int row);

private:
    struct ListState {
        int selected = 0;
        int current = 0;
    };

    ListState &stateOf(Control list);
    const ListState &stateOf(Control list) const;
    bool showsC() const;

    void press(Control list, int row, Qt::KeyboardModifiers modifiers);
    void moveOver(Control list, int row);
    void clickAt(QPoint point);
    void key(Qt::Key key, Qt::KeyboardModifiers modifiers);
    void listKey(Control list, Qt::Key key, Qt::KeyboardModifiers modifiers);
    void openTable(const UserAction &action);
    void moveFocus(bool forward);
    void keepFocusShown();

    ListPages pages_;
    ListState law_;
    std::array<ListState, 3> values_{};
    Control focus_ = Control::Description; // the first control in tab order
    QString typed_;                        // every letter typed, in lower case
    int tablesOpened_ = 0;
};

} // namespace testing
