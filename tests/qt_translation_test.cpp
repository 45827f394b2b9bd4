// SPDX-License-Identifier: GPL-3.0-or-later
// Qt's own texts in Bulgarian: with the catalogue installed the text boxes'
// context menu reads in Bulgarian, and the window itself shows exactly what
// it showed before.

#include "inf_tarvisko.h"
#include "qt_translation.h"
#include "window_helpers.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QFile>
#include <QLibraryInfo>
#include <QMenu>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTest>

namespace {

const QRegularExpression cyrillic(QStringLiteral("\\p{Cyrillic}"));

} // namespace

class QtTranslationTest : public QObject {
    Q_OBJECT

    QImage untranslatedLook;

private slots:
    void initTestCase() {
        Inf_Tarvisko before;
        before.show();
        QVERIFY(QTest::qWaitForWindowExposed(&before));
        untranslatedLook = before.grab().toImage();

        QVERIFY2(QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) +
                               QStringLiteral("/qtbase_bg.qm")),
                 "qtbase_bg.qm missing: install qt6-translations-l10n");
        QVERIFY(qt_translation::installBulgarian(*qApp));
    }

    void context_menus_read_in_bulgarian_data() { testing::addTextBoxRows(); }
    void context_menus_read_in_bulgarian() {
        QFETCH(int, box);
        Inf_Tarvisko window;
        std::unique_ptr<QMenu> menu(window.Text1[std::size_t(box)]->createStandardContextMenu());
        QStringList texts;
        for (const QAction *action : menu->actions())
            if (!action->isSeparator())
                texts << action->text();
        // Read-only but selectable: copy and select all, nothing that edits.
        QCOMPARE(texts.size(), 2);
        for (const QString &text : texts)
            QVERIFY2(text.contains(cyrillic), qPrintable(text));
    }

    void the_window_looks_the_same() {
        Inf_Tarvisko after;
        after.show();
        QVERIFY(QTest::qWaitForWindowExposed(&after));
        QCOMPARE(after.grab().toImage(), untranslatedLook);
    }
};

QTEST_MAIN(QtTranslationTest)
#include "qt_translation_test.moc"
