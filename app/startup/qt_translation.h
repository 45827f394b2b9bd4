// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Qt's own texts (the context menus of the text boxes and scroll bars, the
// names of actions a screen reader speaks, the command line's help headings)
// in Bulgarian, like the rest of the program.

class QCoreApplication;

namespace qt_translation {

// Installs Qt's Bulgarian catalogue (qtbase_bg.qm, from Debian's
// qt6-translations-l10n). False when it is not installed: Qt's texts then
// stay English and nothing else changes.
bool installBulgarian(QCoreApplication &application);

} // namespace qt_translation
