// SPDX-License-Identifier: GPL-3.0-or-later
#include "language_menu.h"

#include "inf_tarvisko.h"
#include "language.h"
#include "remembered_language.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>

QAction *attachLanguageMenu(Inf_Tarvisko &main) {
    auto *menu = new QMenu(&main);
    menu->setObjectName(QStringLiteral("languageMenu"));
    auto *choices = new QActionGroup(menu);
    const std::pair<language::Language, QString> languages[] = {
        {language::Language::Bulgarian, LanguageMenu::tr("български")},
        {language::Language::English, LanguageMenu::tr("English")},
    };
    for (const auto &[language, name] : languages) {
        QAction *choice = menu->addAction(name);
        choice->setObjectName(QStringLiteral("language-") + language::codeOf(language));
        choice->setCheckable(true);
        choices->addAction(choice);
        QObject::connect(choice, &QAction::triggered, menu, [language = language] {
            if (language == language::current())
                return;
            language::apply(language);
            language::remember(language);
        });
    }
    // The mark follows the language however it was chosen.
    QObject::connect(menu, &QMenu::aboutToShow, menu, [menu] {
        for (QAction *choice : menu->actions())
            choice->setChecked(choice->objectName().endsWith(language::codeOf(language::current())));
    });

    auto *item = new QAction(LanguageMenu::tr("Език / Language"), &main);
    item->setObjectName(QStringLiteral("languageItem"));
    item->setMenu(menu);
    main.addToContextMenus(item);
    return item;
}
