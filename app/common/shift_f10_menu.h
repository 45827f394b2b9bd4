// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QAbstractScrollArea;

// Shift+F10 opens the context menu as the menu key does, for keyboards that
// have no menu key: at the text cursor of a text box, at the current item of
// a list or table, else in the middle.
void opensMenuOnShiftF10(QAbstractScrollArea *owner);
