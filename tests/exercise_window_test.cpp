// SPDX-License-Identifier: GPL-3.0-or-later
// The exercise window and its session: a "Закон" exercise answered with real
// keys, "Докажи" done in the derivation window and "Таблица" in the truth
// table to "Решена"; a shown solution counted as shown, a stale window's end
// ignored, and the progress kept across a restart and cleared.

#include "exercise_session.h"
#include "exercise_window.h"
#include "formula_printer.h"
#include "inf_tarvisko.h"
#include "karnaugh.h"
#include "karnaugh_map_view.h"
#include "language.h"
#include "truth_table_view.h"
#include "window_opening.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>

#include <memory>

using exercises::Kind;
using exercises::Level;
using Result = ExerciseSession::Result;

namespace {

template <class Control = QWidget> Control *named(const char *name) {
    for (QWidget *widget : QApplication::allWidgets())
        if (widget->accessibleName() == QString::fromUtf8(name) && widget->isVisible())
            if (auto *control = qobject_cast<Control *>(widget))
                return control;
    return nullptr;
}

// The row of the first right name in the list of laws and mistakes, and of a wrong one.
int choiceRow(const exercises::Exercise &exercise, bool right) {
    const std::vector<exercises::StepName> choices = exercises::stepChoices();
    for (std::size_t i = 0; i < choices.size(); ++i)
        if (exercises::isRightAnswer(exercise, choices[i]) == right)
            return int(i);
    return -1;
}

// The change of translators is posted to every window.
void applyNow(language::Language language) {
    language::apply(language);
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
}

void press(QWidget *control, Qt::Key key, int times = 1) {
    for (int i = 0; i < times; ++i)
        QTest::keyClick(control, key);
}

QString cell(const ExerciseSession &session, Kind kind, Level level) {
    const ProgressCell &counts = session.progress().at(kind, level);
    return QStringLiteral("%1/%2/%3").arg(counts.solved).arg(counts.tried).arg(counts.hints);
}

} // namespace

class ExerciseWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Inf_Tarvisko> main;

    ExerciseWindow *window() const { return main->findChild<ExerciseWindow *>(); }
    QString result() const {
        for (QLabel *label : window()->findChildren<QLabel *>())
            if (label->text().startsWith(QStringLiteral("Решен")) ||
                label->text().startsWith(QStringLiteral("Още")) ||
                label->text().startsWith(QStringLiteral("Не е")))
                return label->text();
        return {};
    }

    // Ctrl+U in the main window, the kind chosen with the arrow keys, the seed set.
    void open(Kind kind, std::uint32_t seed) {
        QTest::keyClick(main->windowHandle(), Qt::Key_U, Qt::ControlModifier);
        QVERIFY(window() && QTest::qWaitForWindowActive(window()));
        QCOMPARE(window()->windowTitle(), QStringLiteral("Упражнения"));
        auto *kinds = window()->findChild<QComboBox *>();
        kinds->setFocus();
        press(kinds, Qt::Key_Home);
        press(kinds, Qt::Key_Down, int(kind));
        QCOMPARE(window()->session().kindChoice(), int(kind));
        window()->session().setSeed(seed);
    }
    void start() {
        QWidget *button = named("Започни");
        button->setFocus();
        QTest::keyClick(button, Qt::Key_Space);
    }

private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        QCoreApplication::setOrganizationName(QStringLiteral("boolean-laws-exercise-test"));
    }
    void init() {
        QSettings().clear();
        main = std::make_unique<Inf_Tarvisko>();
        attachWindowOpening(*main);
        main->show();
        main->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(main.get()));
    }
    void cleanup() { main.reset(); }

    void a_law_answered_wrong_then_right_is_solved() {
        open(Kind::Law, 11);
        const exercises::Exercise exercise = *window()->session().exercise();
        QVERIFY(named<QLineEdit>("Задача")->text().startsWith(QStringLiteral("Закон: ")));
        start();
        QListWidget *list = named<QListWidget>("Отговор");
        QCOMPARE(QApplication::focusWidget(), list);
        press(list, Qt::Key_Home);
        press(list, Qt::Key_Down, choiceRow(exercise, false));
        press(list, Qt::Key_Return);
        QVERIFY2(result().startsWith(QStringLiteral("Не е „")), qPrintable(result()));
        press(list, Qt::Key_Home);
        press(list, Qt::Key_Down, choiceRow(exercise, true));
        press(list, Qt::Key_Return);
        QCOMPARE(result(), QStringLiteral("Решена"));
        QCOMPARE(cell(window()->session(), Kind::Law, exercise.level), QStringLiteral("1/1/0"));
        // Ctrl+N sets the next one, open again.
        QTest::keyClick(window()->windowHandle(), Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(window()->session().exercise()->seed, exercises::nextSeed(exercise.seed));
        QCOMPARE(result(), QStringLiteral("Още не е решена"));
    }

    void a_proof_typed_in_the_derivation_window_is_solved() {
        open(Kind::Prove, 3);
        const exercises::Exercise exercise = *window()->session().exercise();
        start();
        auto *field = named<QLineEdit>("Следваща стъпка");
        QVERIFY(field);
        QTRY_VERIFY(QApplication::focusWidget() == field || field->isVisible());
        // A hint (Ctrl+H) counts as used, not as the end.
        QVERIFY(QTest::qWaitForWindowActive(field->window()));
        field->setFocus();
        QTest::keyClick(field->window()->windowHandle(), Qt::Key_H, Qt::ControlModifier);
        QTRY_COMPARE_WITH_TIMEOUT(cell(window()->session(), Kind::Prove, Level::Easy),
                                  QStringLiteral("0/1/1"), 10000);
        QCOMPARE(result(), QStringLiteral("Още не е решена"));
        for (const derivations::DerivationStep &step : exercise.derivation.steps) {
            field->setFocus();
            QTest::keyClicks(field, QString::fromStdString(formulas::printed(step.formula)));
            QTest::keyClick(field, Qt::Key_Return);
            QTRY_VERIFY_WITH_TIMEOUT(field->text().isEmpty(), 10000);
        }
        QTRY_COMPARE(result(), QStringLiteral("Решена"));
        QCOMPARE(cell(window()->session(), Kind::Prove, Level::Easy), QStringLiteral("1/1/1"));
    }

    void a_table_filled_and_checked_is_solved() {
        open(Kind::Table, 5);
        const exercises::Exercise exercise = *window()->session().exercise();
        start();
        auto *view = main->findChild<TruthTableView *>();
        QVERIFY(view && view->isVisible());
        const int rows = 1 << exercise.letters.size();
        view->setCurrentIndex(view->model()->index(0, int(exercise.letters.size())));
        for (int row = 0; row < rows; ++row)
            QTest::keyClick(view, (exercise.truth >> row) & 1 ? Qt::Key_1 : Qt::Key_0);
        QTest::keyClick(view, Qt::Key_Return);
        QTRY_COMPARE(result(), QStringLiteral("Решена"));
    }

    void a_minimal_cover_drawn_on_the_map_is_solved() {
        open(Kind::Map, 9);
        const exercises::Exercise exercise = *window()->session().exercise();
        start();
        auto *map = main->findChildren<KarnaughMapView *>().value(0);
        QVERIFY(map && map->isVisible());
        map->setFocus();
        const auto layout = *derivations::KarnaughLayout::forVariables(int(exercise.letters.size()));
        for (const derivations::Term &term : exercise.minimalCover) {
            const derivations::MapGroup group = derivations::groupOf(layout, term);
            // Plain arrows to the corner, Shift+arrows to stretch, Enter to draw.
            const QModelIndex at = map->currentIndex();
            const int row = at.isValid() ? at.row() : 0, column = at.isValid() ? at.column() : 0;
            press(map, Qt::Key_Down, (group.top - row + layout.rows()) % layout.rows());
            press(map, Qt::Key_Right, (group.left - column + layout.columns()) % layout.columns());
            for (int i = 1; i < group.height; ++i)
                QTest::keyClick(map, Qt::Key_Down, Qt::ShiftModifier);
            for (int i = 1; i < group.width; ++i)
                QTest::keyClick(map, Qt::Key_Right, Qt::ShiftModifier);
            QTest::keyClick(map, Qt::Key_Return);
        }
        QCOMPARE(result(), QStringLiteral("Още не е решена")); // drawn, not yet checked
        QWidget *check = named("Провери");
        check->setFocus();
        QTest::keyClick(check, Qt::Key_Space);
        QCOMPARE(result(), QStringLiteral("Решена"));
    }

    void a_shown_solution_is_not_solved() {
        open(Kind::Simplify, 4);
        QWidget *show = named("Покажи решение");
        show->setFocus();
        QTest::keyClick(show, Qt::Key_Space);
        QCOMPARE(result(), QStringLiteral("Решението е показано"));
        const QString shown = window()->findChild<QPlainTextEdit *>()->toPlainText();
        QVERIFY2(shown.startsWith(named<QLineEdit>("Задача")->text().mid(QStringLiteral("Опрости: ").size())),
                 qPrintable(shown));
        QVERIFY(shown.contains(QStringLiteral("\n= ")));
        QCOMPARE(cell(window()->session(), Kind::Simplify, Level::Easy), QStringLiteral("0/1/1"));
    }

    void a_switch_of_language_rewords_the_window() {
        open(Kind::Law, 11);
        applyNow(language::Language::English);
        QVERIFY(named<QLineEdit>("Task"));
        const QString task = named<QLineEdit>("Task")->text();
        const QString answer = window()->findChild<QListWidget *>()->item(0)->text();
        const QString title = window()->windowTitle();
        applyNow(language::Language::Bulgarian);
        QCOMPARE(title, QStringLiteral("Exercises"));
        QVERIFY2(task.startsWith(QStringLiteral("Law: ")), qPrintable(task));
        QCOMPARE(answer, QStringLiteral("Commutative law"));
        QVERIFY(named<QLineEdit>("Задача")->text().startsWith(QStringLiteral("Закон: ")));
    }

    // Without widgets: what counts as tried, solved and shown.
    void the_session_counts_data() {
        QTest::addColumn<QString>("steps"); // w: wrong name, r: right name, s: show, o: stale end, e: end
        QTest::addColumn<int>("result");
        QTest::addColumn<QString>("counts");
        QTest::newRow("right at once") << "r" << int(Result::Solved) << "1/1/0";
        QTest::newRow("twice right counts once") << "rr" << int(Result::Solved) << "1/1/0";
        QTest::newRow("wrong stays open") << "w" << int(Result::Wrong) << "0/1/0";
        QTest::newRow("shown then right is not solved") << "sr" << int(Result::Shown) << "0/1/1";
        QTest::newRow("right then shown stays solved") << "rs" << int(Result::Solved) << "1/1/0";
        QTest::newRow("a stale window's end") << "o" << int(Result::Open) << "0/0/0";
        QTest::newRow("the window's end") << "e" << int(Result::Solved) << "1/1/0";
    }
    void the_session_counts() {
        QFETCH(QString, steps);
        QFETCH(int, result);
        QFETCH(QString, counts);
        ExerciseSession session(0);
        session.choose(int(Kind::Law), Level::Medium);
        session.setSeed(21);
        const exercises::Exercise exercise = *session.exercise();
        const std::vector<exercises::StepName> choices = exercises::stepChoices();
        for (QChar step : steps) {
            if (step == u'w' || step == u'r')
                session.answer(choices[std::size_t(choiceRow(exercise, step == u'r'))]);
            else if (step == u's')
                session.showSolution();
            else
                session.reportSolved(step == u'o' ? session.attempt() - 1 : session.attempt());
        }
        QCOMPARE(int(session.result()), result);
        QCOMPARE(cell(session, Kind::Law, Level::Medium), counts);
    }

    void progress_outlasts_a_restart_and_is_reset() {
        {
            ExerciseSession session(0);
            session.choose(int(Kind::Map), Level::Hard);
            session.start();
            session.reportSolved(session.attempt());
            session.next();
            session.showSolution();
        }
        ExerciseSession again(0);
        QCOMPARE(cell(again, Kind::Map, Level::Hard), QStringLiteral("1/2/1"));
        QCOMPARE(cell(again, Kind::Map, Level::Easy), QStringLiteral("0/0/0"));
        again.resetProgress();
        QCOMPARE(cell(ExerciseSession(0), Kind::Map, Level::Hard), QStringLiteral("0/0/0"));
    }

    void mixed_kinds_follow_the_seed() {
        ExerciseSession session(0);
        session.choose(ExerciseSession::mixedKinds, Level::Easy);
        QSet<int> kinds;
        for (std::uint32_t seed = 100; seed < 110; ++seed) {
            session.setSeed(seed);
            QVERIFY(session.exercise());
            kinds << int(session.exercise()->kind);
        }
        QCOMPARE(kinds.size(), exercises::kindCount);
    }
};

QTEST_MAIN(ExerciseWindowTest)
#include "exercise_window_test.moc"
