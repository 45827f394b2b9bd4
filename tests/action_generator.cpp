// SPDX-License-Identifier: GPL-3.0-or-later
#include "action_generator.h"

#include <algorithm>
#include <array>

namespace testing {

int ActionGenerator::below(int bound) { return int(random_() % std::uint64_t(bound)); }

Control ActionGenerator::anyList() {
    // The law list as often as the three selectors together; the selector
    // of C is chosen whether it shows or not.
    static constexpr std::array<Control, 6> lists{Control::LawList,   Control::LawList,   Control::LawList,
                                                  Control::SelectorA, Control::SelectorB, Control::SelectorC};
    return lists[std::size_t(below(int(lists.size())))];
}

Qt::KeyboardModifiers ActionGenerator::clickModifiers() {
    const int roll = below(10);
    if (roll < 2)
        return Qt::ControlModifier;
    if (roll < 3)
        return Qt::ShiftModifier;
    return Qt::NoModifier;
}

UserAction ActionGenerator::key() {
    static constexpr std::array<Qt::Key, 14> keys{
        Qt::Key_Up,      Qt::Key_Down,   Qt::Key_Up,       Qt::Key_Down,  Qt::Key_Home,
        Qt::Key_End,     Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_Space, Qt::Key_Tab,
        Qt::Key_Backtab, Qt::Key_Tab,    Qt::Key_Left,     Qt::Key_Right};
    UserAction action;
    action.kind = UserAction::Kind::Key;
    action.key = keys[std::size_t(below(int(keys.size())))];
    if (action.key == Qt::Key_Backtab) {
        action.modifiers = Qt::ShiftModifier;
    } else if (action.key == Qt::Key_Tab) {
        if (chance(30))
            action.modifiers = Qt::ShiftModifier;
    } else {
        action.modifiers = clickModifiers();
    }
    // Holding a key down: the toolkit repeats it until it is let go.
    if (chance(15))
        action.repeats = 1 + below(8);
    return action;
}

UserAction ActionGenerator::next() {
    using Kind = UserAction::Kind;
    UserAction action;
    action.across = below(100);
    action.down = below(100);
    const int roll = below(100);
    if (roll < 28) {
        action.kind = Kind::ClickRow;
    } else if (roll < 32) {
        action.kind = Kind::DoubleClickRow;
    } else if (roll < 40) {
        action.kind = Kind::DragRows;
    } else if (roll < 44) {
        action.kind = Kind::ClickBelowRows;
    } else if (roll < 49) {
        action.kind = Kind::ClickScrollBar;
        static constexpr std::array<Control, 3> scrolled{Control::LawList, Control::Description,
                                                         Control::ResultBox};
        action.target = scrolled[std::size_t(below(3))];
        action.along = below(100);
        return action;
    } else if (roll < 53) {
        action.kind = Kind::TypeText;
        // Letters that begin laws' names, letters that begin none, digits.
        static const QString typed = QStringLiteral("тзфдxv01 2");
        for (int count = 1 + below(3); count > 0; --count)
            action.text += typed[below(int(typed.size()))];
        return action;
    } else if (roll < 55) {
        action.kind = Kind::UseDerivation;
        // A step that reads or not, right or wrong for one law or another.
        static const std::array<const char *, 4> steps{"A", "!A v !B", "A v B", "A v"};
        action.text = QString::fromLatin1(steps[std::size_t(below(int(steps.size())))]);
        return action;
    } else if (roll < 57) {
        action.kind = Kind::OpenTable;
        action.opening = UserAction::Opening(below(3));
        action.target = Control::LawList;
        action.row = below(ReferenceModel::rowCount(Control::LawList));
        return action;
    } else if (roll < 62) {
        action.kind = Kind::ClickPoint;
        action.modifiers = clickModifiers();
        const QSize size = ReferenceModel::windowSize();
        do
            action.point = QPoint(below(size.width()), below(size.height()));
        while (ReferenceModel::listAt(action.point) != Control::Nothing);
        return action;
    } else {
        return key();
    }

    action.target = anyList();
    action.modifiers = clickModifiers();
    // Any button selects a row; the lists have no context menu.
    if (action.kind == Kind::ClickRow || action.kind == Kind::ClickBelowRows) {
        const int button = below(20);
        action.button = button == 0 ? Qt::MiddleButton : button < 3 ? Qt::RightButton : Qt::LeftButton;
    }
    const int rows = ReferenceModel::rowCount(action.target);
    action.row = below(rows);
    if (action.kind == Kind::DragRows) {
        // Across at most four rows, as many as the law list shows at once.
        const int reach = 1 + below(std::min(3, rows - 1));
        action.toRow = action.row + (chance(50) ? reach : -reach);
        if (action.toRow < 0 || action.toRow >= rows)
            action.toRow = action.row + (action.toRow < 0 ? reach : -reach);
    }
    return action;
}

} // namespace testing
