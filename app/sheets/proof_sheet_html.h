// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A proof sheet as one HTML page: for each law its number, name and formula,
// its truth table and every row's proof in <pre>, exactly as the result box
// shows it. The same page is saved for a browser and laid out by Qt for the
// PDF and the printer; only the style differs.

#include <QList>
#include <QString>

struct SheetStyle {
    QString textFont;      // CSS font-family value for the text
    QString monospaceFont; // the same for the proofs
    // A browser's page: the contents link to the laws. Qt's layout shows
    // links as coloured text and the PDF keeps none, so print has no links.
    bool links = false;
    // Print: the page each law starts on, one per row, shown in the
    // contents. Empty: no page column.
    QList<int> pages;
};

// rows: row indexes, 0 for law 1. More than one law gets a contents first,
// and every law starts a new page when printed.
QString proofSheetHtml(const QList<int> &rows, const SheetStyle &style);
