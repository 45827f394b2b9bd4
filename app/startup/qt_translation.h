// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Qt's own texts (the context menus of the text boxes and scroll bars, the
// names of actions a screen reader speaks, the command line's help headings)
// in the program's language.

#include <QString>

#include <memory>

class QCoreApplication;
class QTranslator;

namespace qt_translation {

// Qt's catalogue for a language code ("bg", "en": qtbase_bg.qm from
// Debian's qt6-translations-l10n), or none when it is not installed: Qt's
// texts then stay as Qt has them and nothing else changes.
std::unique_ptr<QTranslator> load(const QString &code);

// Installs Qt's Bulgarian catalogue; false when it is not installed.
bool installBulgarian(QCoreApplication &application);

} // namespace qt_translation
