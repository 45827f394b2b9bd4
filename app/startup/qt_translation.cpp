// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt_translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace qt_translation {

namespace {

QString catalogueFolder() {
#ifdef Q_OS_WIN
    // The Windows program travels as one folder (the zip, the installed
    // copy): Qt's catalogues are in it, wherever it was put.
    return QCoreApplication::applicationDirPath() + QStringLiteral("/translations");
#else
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath);
#endif
}

} // namespace

std::unique_ptr<QTranslator> load(const QString &code) {
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QStringLiteral("qtbase_") + code, catalogueFolder()))
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
