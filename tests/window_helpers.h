#pragma once

// Driving the real window with the mouse, as a user does.

#include "inf_tarvisko.h"

#include <QByteArray>
#include <QListWidget>
#include <QTest>

namespace testing {

// Scrolls the row into view and clicks it.
inline void clickRow(QListWidget *list, int row, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QListWidgetItem *item = list->item(row);
    list->scrollToItem(item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, modifiers, list->visualItemRect(item).center());
}

inline QByteArray resultOf(const Inf_Tarvisko &window) {
    return QByteArray::fromStdString(window.resultText());
}

// What ShowLaw writes before the proof: "<row number>: <name>" and the formula.
QByteArray headerOf(int row);

} // namespace testing
