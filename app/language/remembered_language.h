// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The language chosen last in the context menus, kept with QSettings for
// the next start of the window. Whatever cannot be read as "bg" or "en"
// (no file, an unreadable file, nonsense in it) is Bulgarian.

#include "language.h"

class QSettings;

namespace language {

Language rememberedIn(const QSettings &settings);
void rememberIn(QSettings &settings, Language language);

// The same in the program's own settings file.
Language remembered();
void remember(Language language);

} // namespace language
