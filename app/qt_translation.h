#pragma once

// Qt's own texts (the text boxes' context menu, the command line's help
// headings) in Bulgarian, like the rest of the program.

class QCoreApplication;

namespace qt_translation {

// Installs Qt's Bulgarian catalogue (qtbase_bg.qm, from Debian's
// qt6-translations-l10n). False when it is not installed: Qt's texts then
// stay English and nothing else changes.
bool installBulgarian(QCoreApplication &application);

} // namespace qt_translation
