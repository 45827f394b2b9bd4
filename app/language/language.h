// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The program speaks Bulgarian, its source language, or English. Choosing
// one installs the program's catalogue (for Bulgarian only the plural forms
// of its %n messages) and Qt's; every open window then receives
// QEvent::LanguageChange and words itself again.

#include <QString>

#include <optional>

namespace language {

enum class Language { Bulgarian, English };

// "bg" or "en"; nothing for any other text.
std::optional<Language> fromCode(const QString &code);
QString codeOf(Language language);

// Installs the catalogues of `language` in place of those installed before.
// Needs an application object.
void apply(Language language);

// The language applied last; Bulgarian before any.
Language current();

} // namespace language
