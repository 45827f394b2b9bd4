// SPDX-License-Identifier: GPL-3.0-or-later
#include "law_aliases.h"

#include "law_catalogue.h"

#include <QCoreApplication>
#include <QStringList>
#include <QTranslator>

namespace law_aliases {

namespace {

void addNames(const QTranslator *translator, std::vector<derivations::LawAlias> &aliases) {
    const auto translated = [&](const char *context, const char *source) {
        return translator ? translator->translate(context, source)
                          : QCoreApplication::translate(context, source);
    };
    for (std::size_t law = 0; law < derivations::lawCount; ++law) {
        const QString name = translated("derivations", derivations::lawName(derivations::LawId(law)));
        if (!name.isEmpty())
            aliases.push_back({name.toStdString(), derivations::LawId(law)});
    }
    for (std::size_t row = 0; row < catalogue::lawCatalogue.size(); ++row) {
        const QString name = translated("catalogue", std::string(catalogue::lawCatalogue[row].name).c_str());
        if (!name.isEmpty())
            aliases.push_back({name.toStdString(), derivations::lawOfCatalogueRow(int(row) + 1)});
    }
}

} // namespace

const std::vector<derivations::LawAlias> &all() {
    static const std::vector<derivations::LawAlias> aliases = [] {
        std::vector<derivations::LawAlias> names;
        addNames(nullptr, names); // the language of the run
        // Built into the resources from translations/boolean-laws_<code>.ts.
        for (const QString &code : {QStringLiteral("en"), QStringLiteral("bg")}) {
            QTranslator translator;
            if (translator.load(QStringLiteral(":/translations/boolean-laws_") + code))
                addNames(&translator, names);
        }
        return names;
    }();
    return aliases;
}

} // namespace law_aliases
