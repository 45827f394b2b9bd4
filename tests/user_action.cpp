// SPDX-License-Identifier: GPL-3.0-or-later
#include "user_action.h"

#include <QKeySequence>

namespace testing {

QString nameOf(Control control) {
    switch (control) {
    case Control::Description:
        return QStringLiteral("the description box");
    case Control::LawList:
        return QStringLiteral("the law list");
    case Control::SelectorA:
        return QStringLiteral("the selector of A");
    case Control::SelectorB:
        return QStringLiteral("the selector of B");
    case Control::SelectorC:
        return QStringLiteral("the selector of C");
    case Control::ResultBox:
        return QStringLiteral("the result box");
    case Control::Nothing:
        break;
    }
    return QStringLiteral("nothing");
}

bool isList(Control control) {
    return control == Control::LawList || control == Control::SelectorA || control == Control::SelectorB ||
           control == Control::SelectorC;
}

int selectorIndex(Control control) {
    return control == Control::SelectorA ? 0 : control == Control::SelectorB ? 1 : 2;
}

namespace {

QString withModifiers(Qt::KeyboardModifiers modifiers, const QString &what) {
    QString prefix;
    if (modifiers & Qt::ControlModifier)
        prefix += QStringLiteral("ctrl+");
    if (modifiers & Qt::ShiftModifier)
        prefix += QStringLiteral("shift+");
    return prefix + what;
}

QString buttonName(Qt::MouseButton button) {
    if (button == Qt::RightButton)
        return QStringLiteral("right-");
    if (button == Qt::MiddleButton)
        return QStringLiteral("middle-");
    return {};
}

} // namespace

QString describe(const UserAction &action) {
    const QString where = QStringLiteral(" at (%1%, %2%)").arg(action.across).arg(action.down);
    switch (action.kind) {
    case UserAction::Kind::ClickRow:
        return withModifiers(action.modifiers, buttonName(action.button) + QStringLiteral("click")) +
               QStringLiteral(" row %1 of %2").arg(action.row).arg(nameOf(action.target)) + where;
    case UserAction::Kind::DoubleClickRow:
        return withModifiers(action.modifiers, QStringLiteral("double-click")) +
               QStringLiteral(" row %1 of %2").arg(action.row).arg(nameOf(action.target)) + where;
    case UserAction::Kind::DragRows:
        return withModifiers(action.modifiers, QStringLiteral("drag")) +
               QStringLiteral(" %1 from row %2 to row %3")
                   .arg(nameOf(action.target))
                   .arg(action.row)
                   .arg(action.toRow) +
               where;
    case UserAction::Kind::ClickBelowRows:
        return withModifiers(action.modifiers, buttonName(action.button) + QStringLiteral("click")) +
               QStringLiteral(" the empty space below the rows of %1").arg(nameOf(action.target));
    case UserAction::Kind::ClickScrollBar:
        return QStringLiteral("click the scroll bar of %1 %2% down its length")
            .arg(nameOf(action.target))
            .arg(action.along);
    case UserAction::Kind::ClickPoint:
        return withModifiers(action.modifiers, QStringLiteral("click")) +
               QStringLiteral(" the window at (%1, %2)").arg(action.point.x()).arg(action.point.y());
    case UserAction::Kind::Key: {
        QString text =
            QStringLiteral("press ") +
            withModifiers(action.modifiers, QKeySequence(action.key).toString(QKeySequence::PortableText));
        if (action.repeats > 0)
            text += QStringLiteral(" and hold it for %1 repeats").arg(action.repeats);
        return text;
    }
    case UserAction::Kind::TypeText:
        return QStringLiteral("type \"%1\"").arg(action.text);
    case UserAction::Kind::UseDerivation:
        return QStringLiteral("press ctrl+D, check the step \"%1\", then close the derivation window")
            .arg(action.text);
    case UserAction::Kind::OpenTable:
        switch (action.opening) {
        case UserAction::Opening::Shortcut:
            return QStringLiteral("press ctrl+T for the truth table, then close it");
        case UserAction::Opening::ShiftF10:
            return QStringLiteral("press shift+F10 and choose the truth table, then close it");
        case UserAction::Opening::RightClickLawRow:
            return QStringLiteral("right-click row %1 of the law list").arg(action.row) + where +
                   QStringLiteral(" and choose the truth table, then close it");
        }
        break;
    }
    return QStringLiteral("?");
}

} // namespace testing
