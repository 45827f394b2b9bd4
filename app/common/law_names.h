// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The catalogue's law names as the windows, dialogs and sheets show them, in
// the user's language. The proof text keeps the catalogue's own words.

#include <QString>

namespace law_names {

// The whole name, its blanks and colon as the catalogue has them.
QString name(int row);

// Without the trailing colon and blanks: "Закон за слепване".
QString heading(int row);

// The visible law list's entry: name, one blank, formula.
QString listEntry(int row);

// What a window names the law by: "7. Закон за транспозицията".
QString subject(int row);

// The law's formula without the catalogue's trailing blanks; empty for a row
// outside the catalogue.
QString formula(int row);

} // namespace law_names
