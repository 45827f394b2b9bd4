// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Driving the real window with the mouse, as a user does.

#include "inf_tarvisko.h"

#include <QByteArray>
#include <QTest>

namespace testing {

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
