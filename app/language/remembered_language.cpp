// SPDX-License-Identifier: GPL-3.0-or-later
#include "remembered_language.h"

#include "program_identity.h"

#include <QSettings>

namespace language {

namespace {

const QString key = QStringLiteral("language");

QSettings programSettings() {
    const QString name = QString::fromLatin1(program::executableName);
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, name, name);
}

} // namespace

Language rememberedIn(const QSettings &settings) {
    if (settings.status() != QSettings::NoError)
        return Language::Bulgarian;
    const QVariant value = settings.value(key);
    if (value.typeId() != QMetaType::QString)
        return Language::Bulgarian;
    return fromCode(value.toString()).value_or(Language::Bulgarian);
}

void rememberIn(QSettings &settings, Language language) { settings.setValue(key, codeOf(language)); }

Language remembered() {
    QSettings settings = programSettings();
    return rememberedIn(settings);
}

void remember(Language language) {
    QSettings settings = programSettings();
    rememberIn(settings, language);
}

} // namespace language
