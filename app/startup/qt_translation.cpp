// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt_translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace qt_translation {

std::unique_ptr<QTranslator> load(const QString &code) {
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QStringLiteral("qtbase_") + code,
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return nullptr;
    return translator;
}

bool installBulgarian(QCoreApplication &application) {
    std::unique_ptr<QTranslator> translator = load(QStringLiteral("bg"));
    if (!translator || !QCoreApplication::installTranslator(translator.get()))
        return false;
    // Owned by the application, so it lives exactly as long as Qt may ask it.
    translator.release()->setParent(&application);
    return true;
}

} // namespace qt_translation
