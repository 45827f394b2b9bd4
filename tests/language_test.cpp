// SPDX-License-Identifier: GPL-3.0-or-later
// The windows in English: every word a user or a screen reader meets, a
// switch of language while the windows are open (and back to the very same
// Bulgarian), and a remembered language that cannot be trusted.

#include "derivation_window.h"
#include "inf_tarvisko.h"
#include "karnaugh_window.h"
#include "language.h"
#include "language_menu.h"
#include "law_selection.h"
#include "proof_sheet_actions.h"
#include "remembered_language.h"
#include "truth_table_window.h"
#include "window_opening.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <map>
#include <memory>

namespace {

// Names that read the same in every language, so that a user who cannot
// read the current one still finds the way back.
const QStringList ownNames{QStringLiteral("Език / Language"), QStringLiteral("български")};

void addActionTexts(const QString &where, const QList<QAction *> &actions, QStringList &texts) {
    for (const QAction *action : actions) {
        texts << where + QStringLiteral(" action: ") + action->text();
        if (action->menu())
            addActionTexts(where, action->menu()->actions(), texts);
    }
}

void addModelTexts(const QString &where, const QAbstractItemModel *model, QStringList &texts) {
    for (int column = 0; column < model->columnCount(); ++column)
        texts << where + QStringLiteral(" header: ") + model->headerData(column, Qt::Horizontal).toString();
    for (int row = 0; row < model->rowCount(); ++row) {
        texts << where + QStringLiteral(" row header: ") + model->headerData(row, Qt::Vertical).toString();
        for (int column = 0; column < model->columnCount(); ++column)
            for (int role : {int(Qt::DisplayRole), int(Qt::ToolTipRole), int(Qt::AccessibleTextRole)})
                texts << where + QStringLiteral(" cell: ") + model->index(row, column).data(role).toString();
    }
}

// Every text a window shows or a screen reader says, each line naming the
// control it comes from.
QStringList textsOf(QWidget *window) {
    QStringList texts{window->objectName() + QStringLiteral(" title: ") + window->windowTitle()};
    QList<QWidget *> widgets = window->findChildren<QWidget *>();
    widgets.prepend(window);
    for (QWidget *widget : widgets) {
        if (widget != window && widget->isWindow())
            continue; // a window of its own is read by itself
        const QString where = widget->objectName().isEmpty()
                                  ? QString::fromLatin1(widget->metaObject()->className())
                                  : widget->objectName();
        texts << where + QStringLiteral(" tool-tip: ") + widget->toolTip()
              << where + QStringLiteral(" name: ") + widget->accessibleName()
              << where + QStringLiteral(" description: ") + widget->accessibleDescription();
        if (auto *label = qobject_cast<QLabel *>(widget))
            texts << where + QStringLiteral(" text: ") + label->text();
        if (auto *button = qobject_cast<QAbstractButton *>(widget))
            texts << where + QStringLiteral(" text: ") + button->text();
        if (auto *line = qobject_cast<QLineEdit *>(widget))
            texts << where + QStringLiteral(" text: ") + line->text() + line->placeholderText();
        if (auto *box = qobject_cast<QPlainTextEdit *>(widget))
            texts << where + QStringLiteral(" text: ") + box->toPlainText();
        if (auto *combo = qobject_cast<QComboBox *>(widget))
            for (int i = 0; i < combo->count(); ++i)
                texts << where + QStringLiteral(" item: ") + combo->itemText(i);
        if (auto *view = qobject_cast<QAbstractItemView *>(widget); view && view->model())
            addModelTexts(where, view->model(), texts);
        addActionTexts(where, widget->actions(), texts);
    }
    return texts;
}

QStringList cyrillicTexts(const QStringList &texts) {
    static const QRegularExpression cyrillic(QStringLiteral("\\p{Cyrillic}"));
    QStringList found;
    for (QString text : texts) {
        for (const QString &name : ownNames)
            text.remove(name);
        if (text.contains(cyrillic))
            found << text;
    }
    return found;
}

// The main window with every item the program adds, as main() builds it.
struct Program {
    LawSelection selection;
    Inf_Tarvisko main{&selection};
    WindowOpening opening = attachWindowOpening(main);
    QAction *table = opening.truthTable;
    QAction *map = opening.karnaugh;
    QAction *derivation = opening.derivation;
    QAction *language = nullptr;

    Program() {
        for (QAction *item : proofSheetItems(main, selection))
            main.addToContextMenus(item);
        language = attachLanguageMenu(main);
        main.show();
    }

    QWidget *window(const char *className) const {
        for (QWidget *widget : QApplication::topLevelWidgets())
            if (widget->inherits(className) && widget->isVisible())
                return widget;
        return nullptr;
    }
};

// Posted to every window by the change of translators.
void applyNow(language::Language language) {
    language::apply(language);
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
}

QString headerLine(const Inf_Tarvisko &window) {
    return QString::fromStdString(window.resultText()).section(QStringLiteral("\r\n"), 0, 0);
}
QString proofLines(const Inf_Tarvisko &window) {
    return QString::fromStdString(window.resultText()).section(QStringLiteral("\r\n"), 1);
}

} // namespace

class LanguageTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        // A choice made in the menu is remembered here, never in the user's own settings.
        QVERIFY(configFolder_.isValid());
        qputenv("XDG_CONFIG_HOME", configFolder_.path().toLocal8Bit());
    }
    void cleanup() { applyNow(language::Language::Bulgarian); }

    void every_window_reads_english() {
        applyNow(language::Language::English);
        Program program;
        program.selection.setLaw(6);
        program.table->trigger();
        program.map->trigger();
        program.derivation->trigger();
        for (const char *className :
             {"Inf_Tarvisko", "TruthTableWindow", "KarnaughWindow", "DerivationWindow"}) {
            QWidget *window = program.window(className);
            QVERIFY2(window, className);
            const QStringList found = cyrillicTexts(textsOf(window));
            QVERIFY2(found.isEmpty(), qPrintable(found.join(QLatin1Char('\n'))));
        }
        QCOMPARE(headerLine(program.main), QStringLiteral("7: Transposition law:"));
    }

    void a_switch_rewords_the_open_windows_and_comes_back_byte_exact() {
        Program program;
        program.selection.setLaw(2);
        program.selection.setValues({true, false, false});
        program.table->trigger();
        QWidget *table = program.window("TruthTableWindow");
        QVERIFY(table);
        const QStringList bulgarianMain = textsOf(&program.main);
        const QStringList bulgarianTable = textsOf(table);
        const QString bulgarianProof = proofLines(program.main);

        // Through the menu item, as a user switches.
        QAction *english = program.language->menu()->findChild<QAction *>(QStringLiteral("language-en"));
        QVERIFY(english);
        english->trigger();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
        QCOMPARE(language::current(), language::Language::English);
        QVERIFY2(cyrillicTexts(textsOf(&program.main)).isEmpty(),
                 qPrintable(cyrillicTexts(textsOf(&program.main)).join(QLatin1Char('\n'))));
        QVERIFY2(cyrillicTexts(textsOf(table)).isEmpty(),
                 qPrintable(cyrillicTexts(textsOf(table)).join(QLatin1Char('\n'))));
        QCOMPARE(headerLine(program.main), QStringLiteral("3: Absorption law:"));
        QCOMPARE(proofLines(program.main), bulgarianProof);
        QVERIFY(table->windowTitle().startsWith(QStringLiteral("Truth table – 3. Absorption law")));

        applyNow(language::Language::Bulgarian);
        QCOMPARE(textsOf(&program.main), bulgarianMain);
        QCOMPARE(textsOf(table), bulgarianTable);
        // The menu's mark follows the language.
        emit program.language->menu()->aboutToShow();
        QVERIFY(program.language->menu()->findChild<QAction *>(QStringLiteral("language-bg"))->isChecked());
    }

    // Four windows open, a chain of three steps with its verdict on show and
    // graded groups on the map: one switch rewords them all, and the switch
    // back gives every text again as it was.
    void a_switch_rewords_every_open_window_at_once() {
        Program program;
        program.selection.setLaw(2); // A v (A ^ B) = A
        program.table->trigger();
        program.map->trigger();
        program.derivation->trigger();
        auto *derivation = qobject_cast<DerivationWindow *>(program.window("DerivationWindow"));
        auto *maps = qobject_cast<KarnaughWindow *>(program.window("KarnaughWindow"));
        QVERIFY(derivation && maps);
        for (const char *step : {"A ^ 1 v A ^ B", "A ^ (1 v B)", "A ^ 1"}) {
            derivation->session().check(QString::fromLatin1(step), std::nullopt);
            QVERIFY(QTest::qWaitFor([derivation] { return !derivation->session().isSearching(); }, 10000));
        }
        QCOMPARE(derivation->session().stepCount(), 3);
        maps->session().setDrawing(true);
        maps->session().addGroup({1, 0, 1, 2}); // A = 1
        maps->session().addGroup({0, 0, 1, 1}); // a 0: a wrong group too
        maps->session().check();

        const char *classNames[] = {"Inf_Tarvisko", "TruthTableWindow", "KarnaughWindow", "DerivationWindow"};
        std::map<QString, QStringList> bulgarian;
        for (const char *className : classNames)
            bulgarian[QString::fromLatin1(className)] = textsOf(program.window(className));
        QVERIFY(bulgarian["DerivationWindow"].contains(
            QStringLiteral("DerivationWindow title: Извеждане – 3. Закон за поглъщане")));

        applyNow(language::Language::English);
        for (const char *className : classNames) {
            const QStringList found = cyrillicTexts(textsOf(program.window(className)));
            QVERIFY2(found.isEmpty(), qPrintable(QString::fromLatin1(className) + QLatin1Char('\n') +
                                                 found.join(QLatin1Char('\n'))));
        }
        QVERIFY(derivation->windowTitle().startsWith(QStringLiteral("Derivation – 3. ")));

        applyNow(language::Language::Bulgarian);
        for (const char *className : classNames)
            QCOMPARE(textsOf(program.window(className)), bulgarian[QString::fromLatin1(className)]);
    }

    void every_window_reads_as_a_window_to_screen_readers() {
        Program program;
        program.table->trigger();
        program.map->trigger();
        program.derivation->trigger();
        for (const char *className :
             {"Inf_Tarvisko", "TruthTableWindow", "KarnaughWindow", "DerivationWindow"}) {
            QAccessibleInterface *reader = QAccessible::queryAccessibleInterface(program.window(className));
            QVERIFY2(reader, className);
            QVERIFY2(reader->role() == QAccessible::Window || reader->role() == QAccessible::Dialog,
                     className);
        }
    }

    void bulgarian_plurals_come_from_its_catalogue() {
        applyNow(language::Language::Bulgarian);
        QCOMPARE(QCoreApplication::translate("VerdictText", "готово: %n стъпки", nullptr, 1),
                 QStringLiteral("готово: 1 стъпка"));
        QCOMPARE(QCoreApplication::translate("VerdictText", "готово: %n стъпки", nullptr, 4),
                 QStringLiteral("готово: 4 стъпки"));
    }

    void the_remembered_language_data() {
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<bool>("english");
        QTest::newRow("English") << QByteArray("[General]\nlanguage=en\n") << true;
        QTest::newRow("Bulgarian") << QByteArray("[General]\nlanguage=bg\n") << false;
        QTest::newRow("no file") << QByteArray() << false;
        QTest::newRow("another code") << QByteArray("[General]\nlanguage=de\n") << false;
        QTest::newRow("upper case") << QByteArray("[General]\nlanguage=EN\n") << false;
        QTest::newRow("a list") << QByteArray("[General]\nlanguage=en, bg\n") << false;
        QTest::newRow("binary junk") << QByteArray("\x00\xff\xfe[[[\nlanguage", 13) << false;
    }
    void the_remembered_language() {
        QFETCH(QByteArray, contents);
        QFETCH(bool, english);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("boolean-laws.conf"));
        if (!contents.isEmpty()) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(contents);
        }
        const QSettings settings(path, QSettings::IniFormat);
        QCOMPARE(language::rememberedIn(settings),
                 english ? language::Language::English : language::Language::Bulgarian);
    }

    void an_unreadable_settings_file_means_bulgarian() {
        // A folder where the file should be cannot be read as settings.
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("boolean-laws.conf"));
        QVERIFY(QDir().mkdir(path));
        const QSettings settings(path, QSettings::IniFormat);
        QCOMPARE(language::rememberedIn(settings), language::Language::Bulgarian);
    }

    void a_choice_is_remembered() {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("boolean-laws.conf"));
        {
            QSettings settings(path, QSettings::IniFormat);
            language::rememberIn(settings, language::Language::English);
        }
        const QSettings settings(path, QSettings::IniFormat);
        QCOMPARE(language::rememberedIn(settings), language::Language::English);
    }

private:
    QTemporaryDir configFolder_;
};

QTEST_MAIN(LanguageTest)
#include "language_test.moc"
