// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// "Език / Language" in the main window's context menus (and so in the truth
// table's): a submenu of "български" and "English". A choice applies at once
// to every open window and is remembered for the next start. The item and
// the languages' names read the same whatever the language, so that a user
// who cannot read the current one still finds them.

#include <QCoreApplication>

class Inf_Tarvisko;
class QAction;

struct LanguageMenu {
    Q_DECLARE_TR_FUNCTIONS(LanguageMenu)
};

// Returns the item that opens the submenu.
QAction *attachLanguageMenu(Inf_Tarvisko &main);
