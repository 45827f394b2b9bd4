// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Driving the real window with the mouse, as a user does.

#include "inf_tarvisko.h"

#include <QByteArray>
#include <QTest>

namespace testing {

// The window's lists, found by their object names ("List1(0)"), as
// a user's tools (and QtTest) find them.
inline ChoiceList *lawList(const QWidget &window) {
    return window.findChild<ChoiceList *>(QStringLiteral("List1(0)"));
}
// 1: variable counts, 2: names, 3: formulas (all hidden).
inline ChoiceList *catalogueList(const QWidget &window, int index) {
    return window.findChild<ChoiceList *>(QStringLiteral("List1(%1)").arg(index));
}
// 0: A, 1: B, 2: C.
inline ChoiceList *valueSelector(const QWidget &window, int variable) {
    return window.findChild<ChoiceList *>(QStringLiteral("Bul_Prom(%1)").arg(variable));
}

// Where a row is drawn in the list's viewport, scrolled out of sight or not.
inline QRect rowRect(const ChoiceList *list, int row) { return list->visualItemRect(list->item(row)); }

// Scrolls the row into view and clicks it.
inline void clickRow(ChoiceList *list, int row, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    list->scrollToItem(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, modifiers, rowRect(list, row).center());
}

inline QByteArray resultOf(const Inf_Tarvisko &window) {
    return QByteArray::fromStdString(window.resultText());
}

// The data column "box" over the two text boxes: 0 the description, 1 the
// result box, for the cases that hold for either.
inline void addTextBoxRows() {
    QTest::addColumn<int>("box");
    QTest::newRow("description") << 0;
    QTest::newRow("result box") << 1;
}

// What ShowLaw writes before the proof: "<row number>: <name>" and the formula.
QByteArray headerOf(int row);

} // namespace testing
