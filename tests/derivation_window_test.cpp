// SPDX-License-Identifier: GPL-3.0-or-later
// The derivation window as a student meets it: opened with Ctrl+D, a chain
// typed step by step with real keys, every kind of verdict, hints, a shown
// derivation, undo, and the link with the main window's law. Controls are
// found by accessible name.

#include "background_search.h"
#include "derivation_window.h"
#include "truth_table_window.h"
#include "window_helpers.h"
#include "window_opening.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

using namespace testing;

namespace {

template <class Control = QWidget> Control *named(const char *name) {
    for (QWidget *widget : QApplication::allWidgets())
        if (widget->accessibleName() == QString::fromUtf8(name) && widget->isVisible())
            if (auto *control = qobject_cast<Control *>(widget))
                return control;
    return nullptr;
}
QLineEdit *field() { return named<QLineEdit>("Следваща стъпка"); }
QString verdict() { return named<QLineEdit>("Проверка")->text(); }
QString goal() { return named<QLineEdit>("Цел")->text(); }
QListWidget *steps() { return named<QListWidget>("Стъпки"); }
QStringList items() {
    QStringList texts;
    for (int row = 0; row < steps()->count(); ++row)
        texts << steps()->item(row)->text();
    return texts;
}

} // namespace

class DerivationWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Inf_Tarvisko> main;

    DerivationWindow *window() const { return main->findChild<DerivationWindow *>(); }

    void open(int law) {
        clickRow(lawList(*main), law);
        QTest::keyClick(main->windowHandle(), Qt::Key_D, Qt::ControlModifier);
        QVERIFY(window() && QTest::qWaitForWindowActive(window()));
        QVERIFY(window()->windowTitle().startsWith(QStringLiteral("Извеждане")));
    }
    void settle() {
        QTRY_VERIFY_WITH_TIMEOUT(!window()->findChild<BackgroundSearch *>()->isRunning(), 10000);
    }
    // Typed into the field and checked with Enter; `law` is the combo's row
    // (0: none claimed), chosen with the arrow keys.
    void enter(const QString &formula, int law = 0) {
        field()->setFocus();
        QTest::keyClick(field(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(field(), Qt::Key_Delete);
        QTest::keyClicks(field(), formula);
        QTest::keyClick(field(), Qt::Key_Tab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Home);
        for (int row = 0; row < law; ++row)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget(), field());
        QTest::keyClick(field(), Qt::Key_Return);
        settle();
    }

private slots:
    void init() {
        main = std::make_unique<Inf_Tarvisko>();
        attachWindowOpening(*main);
        main->show();
        main->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(main.get()));
    }
    void cleanup() { main.reset(); }

    void a_chain_typed_step_by_step_ends_in_done() {
        open(2); // A v (A ^ B) = A
        QCOMPARE(goal(), QStringLiteral("A"));
        const QStringList chain{QStringLiteral("A ^ 1 v A ^ B"), QStringLiteral("A ^ (1 v B)"),
                                QStringLiteral("A ^ 1"), QStringLiteral("A")};
        for (const QString &step : chain) {
            enter(step);
            QVERIFY2(field()->text().isEmpty(), qPrintable(verdict()));
        }
        QCOMPARE(verdict(), QStringLiteral("Готово: 4 стъпки"));
        QCOMPARE(items(),
                 QStringList({"A v A ^ B", "A ^ 1 v A ^ B  [Закон за неутралния елемент]",
                              "A ^ (1 v B)  [Дистрибутивен закон]", "A ^ 1  [Закон за нулевия елемент]",
                              "A  [Закон за неутралния елемент]"}));
    }

    void each_verdict_for_a_step_made_to_produce_it_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("claimed"); // the combo's row; 0 for "—"
        QTest::addColumn<QString>("expected");
        QTest::addColumn<int>("itemsAfter");
        // From A v A ^ B, toward A.
        QTest::newRow("one law") << "A ^ 1 v A ^ B" << 0 << "Вярно: Закон за неутралния елемент" << 2;
        QTest::newRow("another law claimed")
            << "A ^ 1 v A ^ B" << 3 << "Вярно, но законът е Закон за неутралния елемент" << 2;
        QTest::newRow("two laws at once") << "A ^ (1 v B)" << 0 << "Голяма стъпка: " << 2;
        QTest::newRow("known mistake") << "A ^ B" << 0 << "Честа грешка: грешно поглъщане" << 1;
        QTest::newRow("not equivalent") << "!A" << 0 << "Невярно: при A = 0, B = 0: преди 0, след 1" << 1;
        QTest::newRow("unreadable") << "A v )" << 0 << "Грешка на позиция 5" << 1;
        QTest::newRow("two sides") << "A = A" << 0 << "Грешка на позиция 3" << 1;
        QTest::newRow("the goal at once") << "A" << 0 << "Готово: 1 стъпки" << 2;
    }
    void each_verdict_for_a_step_made_to_produce_it() {
        QFETCH(QString, typed);
        QFETCH(int, claimed);
        QFETCH(QString, expected);
        QFETCH(int, itemsAfter);
        open(2);
        enter(typed, claimed);
        QVERIFY2(verdict().startsWith(expected), qPrintable(verdict()));
        QCOMPARE(steps()->count(), itemsAfter);
        // A step taken clears the field; one refused stays for correction.
        QCOMPARE(field()->text().isEmpty(), itemsAfter == 2);
    }

    void three_hints_fill_the_field_with_a_step_the_check_accepts_data() {
        QTest::addColumn<int>("law");
        QTest::newRow("absorption") << 2;
        QTest::newRow("consensus") << 12;
    }
    void three_hints_fill_the_field_with_a_step_the_check_accepts() {
        QFETCH(int, law);
        open(law);
        QStringList hints;
        for (int press = 0; press < 3; ++press) {
            QTest::keyClick(field(), Qt::Key_H, Qt::ControlModifier);
            settle();
            QVERIFY2(verdict().startsWith(QStringLiteral("Подсказка: ")), qPrintable(verdict()));
            hints << verdict();
        }
        QCOMPARE(hints.size(), QSet<QString>(hints.begin(), hints.end()).size());
        QVERIFY(!field()->text().isEmpty());
        QTest::keyClick(field(), Qt::Key_Return);
        settle();
        QVERIFY2(verdict().startsWith(QStringLiteral("Вярно: ")) ||
                     verdict().startsWith(QStringLiteral("Готово: ")),
                 qPrintable(verdict()));
        QCOMPARE(steps()->count(), 2);
    }

    void show_derivation_reaches_the_goal_data() {
        QTest::addColumn<int>("law");
        QTest::addColumn<QString>("last");
        QTest::newRow("gluing") << 0 << "A";
        QTest::newRow("transposition") << 6 << "(A v C) ^ (!A v B)";
        QTest::newRow("equivalence") << 20 << "!A ^ !B v A ^ B";
    }
    void show_derivation_reaches_the_goal() {
        QFETCH(int, law);
        QFETCH(QString, last);
        open(law);
        QTest::mouseClick(named<QPushButton>("Покажи извеждане"), Qt::LeftButton);
        settle();
        const int stepCount = steps()->count() - 1;
        QCOMPARE(verdict(), QStringLiteral("Готово: %1 стъпки").arg(stepCount));
        QVERIFY(stepCount > 0);
        const QString lastItem = items().constLast();
        QVERIFY2(lastItem.contains(QStringLiteral("  [")), qPrintable(lastItem));
        // The goal up to the order of operands: the same letters and operators.
        QString reached = lastItem.left(lastItem.indexOf(QStringLiteral("  [")));
        std::sort(reached.begin(), reached.end());
        std::sort(last.begin(), last.end());
        QCOMPARE(reached, last);
    }

    void undo_never_removes_the_first_item() {
        open(2);
        enter(QStringLiteral("A ^ 1 v A ^ B"));
        const QString first = items().constFirst();
        // With text in the field, Ctrl+Z is the field's own.
        QTest::keyClicks(field(), QStringLiteral("A"));
        QTest::keyClick(field(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(steps()->count(), 2);
        QVERIFY(field()->text().isEmpty());
        QTest::keyClick(field(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(items(), QStringList{first});
        steps()->setFocus();
        QTest::keyClick(steps(), Qt::Key_Z, Qt::ControlModifier);
        QTest::mouseClick(named<QPushButton>("Отмени стъпка"), Qt::LeftButton);
        QCOMPARE(items(), QStringList{first});
        QVERIFY(window()->isVisible());
    }

    void escape_clears_the_field() {
        open(2);
        QTest::keyClicks(field(), QStringLiteral("A v"));
        QTest::keyClick(field(), Qt::Key_Escape);
        QVERIFY(field()->text().isEmpty());
    }

    void choosing_a_law_in_the_main_window_restarts_the_window() {
        open(2);
        enter(QStringLiteral("A ^ 1 v A ^ B"));
        main->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(main.get()));
        clickRow(lawList(*main), 4); // !(A ^ B) = !A v !B
        QCOMPARE(items(), QStringList{QStringLiteral("!(A ^ B)")});
        QCOMPARE(goal(), QStringLiteral("!A v !B"));
        QVERIFY(window()->windowTitle().contains(QStringLiteral("5.")));
        // Ctrl+D raises the open window as it is.
        enter(QStringLiteral("!A v !B"));
        QTest::keyClick(main->windowHandle(), Qt::Key_D, Qt::ControlModifier);
        QVERIFY(QTest::qWaitForWindowActive(window()));
        QCOMPARE(steps()->count(), 2);
    }

    void closing_the_window_stops_its_search_at_once_data() {
        QTest::addColumn<bool>("byKey"); // Ctrl+W, else the title bar's close button
        QTest::newRow("close button") << false;
        QTest::newRow("Ctrl+W") << true;
    }
    void closing_the_window_stops_its_search_at_once() {
        QFETCH(bool, byKey);
        open(0);
        // Four letters into their minimal form: a search of many states.
        QVERIFY(
            window()->session().startOnFormula(QStringLiteral("(A v B) ^ (C v D) ^ (!A v !C) ^ (B v !D)")));
        QTest::mouseClick(named<QPushButton>("Покажи извеждане"), Qt::LeftButton);
        const BackgroundSearch *search = window()->session().search();
        QVERIFY(search->isRunning());
        if (byKey)
            QTest::keyClick(window()->windowHandle(), Qt::Key_W, Qt::ControlModifier);
        else
            QVERIFY(window()->close());
        QVERIFY(!window()->isVisible());
        QVERIFY(!search->isRunning());
        QVERIFY(search->lastFlag()->load());
        QTRY_VERIFY(search->lastWork().isFinished()); // the worker has let go of its thread
    }

    void a_window_destroyed_mid_search_lets_its_worker_end() {
        open(0);
        QVERIFY(
            window()->session().startOnFormula(QStringLiteral("(A v B) ^ (C v D) ^ (!A v !C) ^ (B v !D)")));
        window()->session().showDerivation();
        QFuture<BackgroundSearch::Finish> work = window()->session().search()->lastWork();
        delete window();
        QTRY_VERIFY(work.isFinished());
    }

    void opened_from_the_truth_table_it_takes_the_edited_formula() {
        QTest::keyClick(main->windowHandle(), Qt::Key_T, Qt::ControlModifier);
        auto *table = main->findChild<TruthTableWindow *>();
        QVERIFY(table && QTest::qWaitForWindowActive(table));
        auto *formula = named<QLineEdit>("Формула");
        formula->setFocus();
        QTest::keyClick(formula, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(formula, QStringLiteral("A v !A ^ B"));
        QTest::keyClick(table->windowHandle(), Qt::Key_D, Qt::ControlModifier);
        QVERIFY(window() && QTest::qWaitForWindowActive(window()));
        QCOMPARE(goal(), QStringLiteral("минимална форма"));
        QCOMPARE(items(), QStringList{QStringLiteral("A v !A ^ B")});
        enter(QStringLiteral("A v B"));
        QVERIFY2(verdict().startsWith(QStringLiteral("Готово: 1 стъпки")), qPrintable(verdict()));
    }
};

QTEST_MAIN(DerivationWindowTest)
#include "derivation_window_test.moc"
