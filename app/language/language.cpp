// SPDX-License-Identifier: GPL-3.0-or-later
#include "language.h"

#include "qt_translation.h"

#include <QCoreApplication>
#include <QPointer>
#include <QTranslator>

#include <memory>

namespace language {

namespace {

Language applied = Language::Bulgarian;

// The catalogues installed now. The application owns them, so they go with
// it; a new one is installed before the old one is removed.
QPointer<QTranslator> ownCatalogue;
QPointer<QTranslator> qtCatalogue;

void replace(QPointer<QTranslator> &installed, std::unique_ptr<QTranslator> next) {
    QTranslator *added = next.release();
    if (added) {
        added->setParent(QCoreApplication::instance());
        QCoreApplication::installTranslator(added);
    }
    if (installed) {
        QCoreApplication::removeTranslator(installed);
        delete installed.data();
    }
    installed = added;
}

} // namespace

std::optional<Language> fromCode(const QString &code) {
    if (code == QLatin1String("bg"))
        return Language::Bulgarian;
    if (code == QLatin1String("en"))
        return Language::English;
    return std::nullopt;
}

QString codeOf(Language language) {
    return language == Language::English ? QStringLiteral("en") : QStringLiteral("bg");
}

void apply(Language language) {
    const QString code = codeOf(language);
    auto own = std::make_unique<QTranslator>();
    // Built into the resources from translations/boolean-laws_<code>.ts.
    if (!own->load(QStringLiteral(":/translations/boolean-laws_") + code))
        own.reset();
    replace(ownCatalogue, std::move(own));
    replace(qtCatalogue, qt_translation::load(code));
    applied = language;
}

Language current() { return applied; }

} // namespace language
