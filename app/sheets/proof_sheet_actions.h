// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the window's context-menu items "Запази лист с доказателства…"
// (Ctrl+S) and "Печат…" (Ctrl+P) do: ask whether the sheet holds the chosen
// law or all 21, then where to save it or on which printer, and write or
// print it. A failure to save is shown in a message box.

#include <QList>

class LawSelection;
class QAction;
class QWidget;

// selectedRow: the law chosen in the window, 0 for law 1; -1 for none, and
// then only the whole catalogue is offered.
void saveProofSheetWithDialog(QWidget *parent, int selectedRow);
void printProofSheetWithDialog(QWidget *parent, int selectedRow);

// The two items, with their shortcuts, owned by `window` and asking about
// the selection's law; whoever makes the window's menus adds them.
QList<QAction *> proofSheetItems(QWidget &window, const LawSelection &selection);
