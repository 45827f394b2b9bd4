// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt_translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace qt_translation {

bool installBulgarian(QCoreApplication &application) {
    // Owned by the application, so it lives exactly as long as Qt may ask it.
    auto *translator = new QTranslator(&application);
    if (!translator->load(QStringLiteral("qtbase_bg"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
        !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return false;
    }
    return true;
}

} // namespace qt_translation
