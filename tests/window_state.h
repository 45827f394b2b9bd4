// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Everything about the window that a user can see or that decides what the
// next key or click does, gathered in one value so that the reference
// model's expectation and the real window can be compared field by field.

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <array>

namespace testing {

struct WindowState {
    int law = -1;        // selected row of the law list
    int lawCurrent = -1; // the row with the focus frame, where the next key starts
    std::array<int, 3> value{};
    std::array<int, 3> valueCurrent{};
    std::array<bool, 3> labelShown{};
    std::array<bool, 3> selectorShown{};
    bool catalogueListsHidden = true;
    QString focus;       // a name from nameOf(), or what else holds the focus
    QByteArray result;   // the result box's text as built, "\r\n" line ends
    QString shownResult; // the same as the box shows it
    QString description; // the description box never changes
    std::array<double, 3> formValues{};
    std::array<int, 2> formComplements{}; // NotA, NotB
    int tablesOpened = 0;                 // truth-table windows opened (and closed again)
};

// Readable lines "what: expected ..., window shows ...", empty when equal.
QStringList differences(const WindowState &expected, const WindowState &shown);

} // namespace testing
