// Qt's own texts in Bulgarian: the catalogue is installed at the first
// context menu, the text boxes' context menu then reads in Bulgarian, and
// the window itself shows exactly what it showed before.

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

QString copyActionText() { return QCoreApplication::translate("QWidgetTextControl", "&Copy"); }

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
        qt_translation::installBulgarianWhenNeeded(*qApp);
    }

    // Runs first: the catalogue is not loaded before anything needs it, and is
    // in place before the first context menu asks for its texts.
    void catalogue_arrives_with_the_first_context_menu() {
        QCOMPARE(copyActionText(), QStringLiteral("&Copy"));
        QWidget anyWidget;
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(1, 1), QPoint(1, 1));
        QCoreApplication::sendEvent(&anyWidget, &event);
        QVERIFY2(copyActionText().contains(cyrillic), qPrintable(copyActionText()));
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
