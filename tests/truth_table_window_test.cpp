// SPDX-License-Identifier: GPL-3.0-or-later
// The truth-table window as a student meets it: opened from the main window,
// its headers, cells and verdict, its two-way link with the main window's
// law and value selectors, and "check yourself" by real keys and clicks.
// Controls are found by accessible name.

#include "contrast.h"
#include "law_catalogue.h"
#include "law_proof.h"
#include "truth_table_window.h"
#include "window_helpers.h"
#include "window_opening.h"

#include <QAbstractItemModelTester>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>
#include <QTimer>

#include <cmath>

using namespace testing;

namespace {

template <class Control = QWidget> Control *named(const char *name) {
    for (QWidget *widget : QApplication::allWidgets())
        if (widget->accessibleName() == QString::fromUtf8(name))
            if (auto *control = qobject_cast<Control *>(widget))
                return control;
    return nullptr;
}
QTableView *tableView() { return named<QTableView>("Таблица на истинност"); }
QAbstractItemModel *model() { return tableView()->model(); }
QLineEdit *formulaField() { return named<QLineEdit>("Формула"); }
QString verdict() { return named<QLineEdit>("Извод")->text(); }
QPushButton *button(const char *name) { return named<QPushButton>(name); }

QString headers() {
    QStringList texts;
    for (int column = 0; column < model()->columnCount(); ++column)
        texts << model()->headerData(column, Qt::Horizontal).toString();
    return texts.join(QLatin1Char(','));
}

// The cells from column `from` on: "," between columns, "|" between rows.
QString cells(int from = 0) {
    QStringList rows;
    for (int row = 0; row < model()->rowCount(); ++row) {
        QStringList texts;
        for (int column = from; column < model()->columnCount(); ++column)
            texts << model()->index(row, column).data().toString();
        rows << texts.join(QLatin1Char(','));
    }
    return rows.join(QLatin1Char('|'));
}

QString lawFormula(int law) {
    const std::string_view formula = catalogue::lawCatalogue[std::size_t(law)].formula;
    return QString::fromUtf8(formula.data(), qsizetype(formula.size())).trimmed();
}

std::string proofOf(int law, int a, int b, int c) {
    const catalogue::LawRow &row = catalogue::lawCatalogue[std::size_t(law)];
    return provers::lawProof(std::int16_t(law), row.name, row.formula, provers::formValuesOf(a, b, c));
}

void typeFormula(const QString &text) {
    formulaField()->setFocus();
    formulaField()->selectAll();
    QTest::keyClick(formulaField(), Qt::Key_Delete);
    QTest::keyClicks(formulaField(), text);
}

void keys(std::initializer_list<Qt::Key> keys) {
    for (Qt::Key key : keys)
        QTest::keyClick(tableView(), key);
}

void clickCell(int row, int column) {
    QTest::mouseClick(tableView()->viewport(), Qt::LeftButton, {},
                      tableView()->visualRect(model()->index(row, column)).center());
}

} // namespace

class TruthTableWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Inf_Tarvisko> main;

    TruthTableWindow *table() const { return main->findChild<TruthTableWindow *>(); }
    void openTable() {
        QTest::keyClick(main->windowHandle(), Qt::Key_T, Qt::ControlModifier);
        QVERIFY(table() && QTest::qWaitForWindowActive(table()));
    }
    // Law 1, whose sides both equal A, in the exercise; the focus in the table.
    void startExercise() {
        openTable();
        QTest::keyClick(table()->windowHandle(), Qt::Key_E, Qt::ControlModifier);
        QVERIFY(button("Провери се")->isChecked());
        tableView()->setFocus();
    }

private slots:
    void init() {
        main = std::make_unique<Inf_Tarvisko>();
        attachWindowOpening(*main);
        main->show();
        main->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(main.get()));
    }
    void cleanup() {
        main.reset();
        QApplication::setPalette(QApplication::style()->standardPalette());
    }

    void opens_once_by_ctrl_t_or_a_context_menu_data() {
        QTest::addColumn<int>("menuOf"); // -1 Ctrl+T; 0 the law list's menu, 1 the result box's
        QTest::newRow("Ctrl+T") << -1;
        QTest::newRow("law list's menu") << 0;
        QTest::newRow("result box's menu") << 1;
    }
    void opens_once_by_ctrl_t_or_a_context_menu() {
        QFETCH(int, menuOf);
        QVERIFY(!table()); // nothing is built before it is asked for
        if (menuOf < 0) {
            openTable();
        } else {
            QWidget *owner = menuOf == 0 ? static_cast<QWidget *>(lawList(*main)) : main->Text1[1];
            owner->setFocus();
            QTest::keyClick(owner, Qt::Key_F10, Qt::ShiftModifier);
            QTRY_VERIFY(qobject_cast<QMenu *>(QApplication::activePopupWidget()));
            auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
            QAction *item = nullptr;
            for (QAction *action : menu->actions())
                if (action->text().remove(QLatin1Char('&')) == QStringLiteral("Таблица на истинност"))
                    item = action;
            QVERIFY(item);
            menu->setActiveAction(item);
            QTest::keyClick(menu, Qt::Key_Return);
            QTRY_VERIFY(table() && table()->isVisible());
        }
        QVERIFY(table()->isWindow());
        QVERIFY(table()->windowTitle().startsWith(QStringLiteral("Таблица на истинност")));
        main->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(main.get()));
        openTable(); // raised, not built again
        QCOMPARE(main->findChildren<TruthTableWindow *>().size(), 1);
    }

    void closing_the_main_window_ends_the_program_with_the_table_open() {
        openTable();
        QSignalSpy lastClosed(qApp, &QGuiApplication::lastWindowClosed);
        QTimer::singleShot(0, main.get(), [this] { main->close(); });
        QTimer giveUp; // a table left open would keep the program running
        giveUp.callOnTimeout(qApp, &QCoreApplication::quit);
        giveUp.start(3000);
        QApplication::exec();
        QCOMPARE(lastClosed.size(), 1);
    }

    void headers_and_cells_data() {
        QTest::addColumn<int>("law");
        QTest::addColumn<QString>("typed"); // over the law's formula, when given
        QTest::addColumn<QString>("headers");
        QTest::addColumn<QString>("cells");
        QTest::newRow("law 1") << 0 << ""
                               << "A,B,Лява страна,Дясна страна"
                               << "0,0,0,0|0,1,0,0|1,0,1,1|1,1,1,1";
        QTest::newRow("law 7")
            << 6 << ""
            << "A,B,C,Лява страна,Дясна страна"
            << "0,0,0,0,0|0,0,1,1,1|0,1,0,0,0|0,1,1,1,1|1,0,0,0,0|1,0,1,0,0|1,1,0,1,1|1,1,1,1,1";
        QTest::newRow("no =") << 0 << "A -> B"
                              << "A,B,Стойност"
                              << "0,0,1|0,1,1|1,0,0|1,1,1";
        QTest::newRow("B, C only") << 0 << "C ^ !B = 0"
                                   << "B,C,Лява страна,Дясна страна"
                                   << "0,0,0,0|0,1,1,0|1,0,0,0|1,1,0,0";
    }
    void headers_and_cells() {
        QFETCH(int, law);
        QFETCH(QString, typed);
        lawList(*main)->setCurrentRow(law);
        openTable();
        QCOMPARE(formulaField()->text(), lawFormula(law));
        if (!typed.isEmpty())
            typeFormula(typed);
        QTEST(headers(), "headers");
        QTEST(cells(), "cells");
    }

    void verdict_and_marked_rows_data() {
        QTest::addColumn<QString>("formula");
        QTest::addColumn<QString>("verdict");
        QTest::addColumn<QString>("marked");
        QTest::newRow("identity") << "A v (A ^ B) = A"
                                  << "Тъждество"
                                  << "";
        QTest::newRow("differ") << "A v B = A ^ B"
                                << "Не е тъждество: страните се различават на 2 от 4 реда"
                                << "1,2";
        QTest::newRow("no =") << "A v B"
                              << "Не е тъждество: формулата е невярна на 1 от 4 реда"
                              << "0";
        QTest::newRow("letters past C, in alphabetical columns")
            << "Z -> X"
            << "Не е тъждество: формулата е невярна на 1 от 4 реда"
            << "1";
        QTest::newRow("unreadable") << "A ^"
                                    << "Грешка на позиция 4: "
                                    << "";
    }
    void verdict_and_marked_rows() {
        QFETCH(QString, formula);
        openTable();
        typeFormula(formula);
        QFETCH(QString, verdict);
        QVERIFY2(::verdict().startsWith(verdict), qPrintable(::verdict()));
        // "✗" in the row header, and a description a reader says.
        QStringList marked;
        for (int row = 0; row < model()->rowCount(); ++row) {
            const bool cross = model()->headerData(row, Qt::Vertical).toString() == QStringLiteral("✗");
            QCOMPARE(model()->index(row, 0).data(Qt::AccessibleDescriptionRole).isValid(), cross);
            if (cross)
                marked << QString::number(row);
        }
        QTEST(marked.join(QLatin1Char(',')), "marked");
        QCOMPARE(model()->rowCount() == 0, verdict.startsWith(QStringLiteral("Грешка")));
    }

    void rows_and_the_main_windows_selectors_lead_each_other() {
        lawList(*main)->setCurrentRow(6); // A, B and C
        openTable();
        QTableView *view = tableView();
        QCOMPARE(view->selectionModel()->selectedRows().constFirst().row(), 0);
        clickCell(5, 1);
        QCOMPARE(main->resultText(), proofOf(6, 1, 0, 1));
        QTest::keyClick(view, Qt::Key_Down);
        QCOMPARE(main->resultText(), proofOf(6, 1, 1, 0));
        QCOMPARE(view->selectionModel()->selectedRows().size(), 1);
        // And back: the law and the selectors move the table.
        lawList(*main)->setCurrentRow(16);
        QCOMPARE(formulaField()->text(), lawFormula(16));
        valueSelector(*main, 1)->setCurrentRow(0);
        valueSelector(*main, 2)->setCurrentRow(1);
        QCOMPARE(view->selectionModel()->selectedRows().constFirst().row(), 5);
        QCOMPARE(main->resultText(), proofOf(16, 1, 0, 1));
    }

    void an_edited_formula_leaves_the_law_and_comes_back() {
        lawList(*main)->setCurrentRow(2);
        openTable();
        const std::string proof = main->resultText();
        typeFormula(QStringLiteral("B"));
        QCOMPARE(headers(), QStringLiteral("B,Стойност"));
        QTest::keyClicks(formulaField(), QStringLiteral(" Xor C"));
        QCOMPARE(headers(), QStringLiteral("B,C,Стойност"));
        QCOMPARE(lawList(*main)->selectedRow(), 2);
        QCOMPARE(main->resultText(), proof);
        tableView()->selectRow(3); // B = 1, C = 1; A, not in the formula, stays 0
        QCOMPARE(QList<int>({valueSelector(*main, 0)->selectedRow(), valueSelector(*main, 1)->selectedRow(),
                             valueSelector(*main, 2)->selectedRow()}),
                 QList<int>({0, 1, 1}));
        QTest::keyClick(formulaField(), Qt::Key_Escape);
        QCOMPARE(formulaField()->text(), lawFormula(2));
        typeFormula(QStringLiteral("C"));
        button("Формулата на закона")->click();
        QCOMPARE(headers(), QStringLiteral("A,B,Лява страна,Дясна страна"));
    }

    void exercise_keys_check_reveal_restart_and_leave() {
        startExercise();
        QCOMPARE(cells(), QStringLiteral("0,0,,|0,1,,|1,0,,|1,1,,")); // the variables stay
        QVERIFY(verdict().contains(QStringLiteral("8 клетки")));
        // 1 (wrong), 0 (right), two Spaces (blank → 0 → 1: right); Tab to the
        // right side, 1 and 0 fill it and the row below; Up, Delete clear the 1.
        keys({Qt::Key_1, Qt::Key_0, Qt::Key_Space, Qt::Key_Space, Qt::Key_Tab, Qt::Key_1, Qt::Key_0,
              Qt::Key_Up, Qt::Key_Delete});
        QCOMPARE(cells(2), QStringLiteral("1,|0,|1,|,0"));
        keys({Qt::Key_Return});
        QCOMPARE(verdict(), QStringLiteral("Верни: 2 от 8"));
        QCOMPARE(cells(2), QStringLiteral("1 ✗,|0 ✓,|1 ✓,|,0 ✗"));
        QVERIFY(model()
                    ->index(1, 2)
                    .data(Qt::AccessibleDescriptionRole)
                    .toString()
                    .contains(QStringLiteral("✓")));
        // Right and wrong differ in colour too; a blank is not marked.
        QVERIFY(model()->index(0, 2).data(Qt::BackgroundRole) !=
                model()->index(1, 2).data(Qt::BackgroundRole));
        QVERIFY(!model()->index(3, 2).data(Qt::BackgroundRole).isValid());
        QTest::mouseClick(button("Покажи отговорите"), Qt::LeftButton);
        QCOMPARE(model()->index(0, 2).data().toString(), QStringLiteral("1 ✗ (вярно: 0)"));
        QCOMPARE(model()->index(3, 2).data().toString(), QStringLiteral("(вярно: 1)"));
        QTest::mouseClick(button("Отначало"), Qt::LeftButton);
        QCOMPARE(cells(2), QStringLiteral(",|,|,|,"));
        QVERIFY(!button("Покажи отговорите")->isChecked());
        QTest::keyClick(table()->windowHandle(), Qt::Key_E, Qt::ControlModifier);
        QCOMPARE(cells(2), QStringLiteral("0,0|0,0|1,1|1,1"));
        QVERIFY(verdict().startsWith(QStringLiteral("Тъждество")));
        QVERIFY(!button("Провери")->isVisible());
    }

    void exercise_clicks_tab_out_and_fresh_starts() {
        startExercise();
        QStringList seen;
        for (int click = 0; click < 3; ++click) {
            clickCell(2, 3);
            seen << model()->index(2, 3).data().toString();
        }
        QCOMPARE(seen.join(QLatin1Char(',')), QStringLiteral("0,1,"));
        QCOMPARE(main->resultText(), proofOf(0, 1, 0, 0)); // the row chosen: A = 1, B = 0
        tableView()->setCurrentIndex(model()->index(3, 3));
        keys({Qt::Key_1, Qt::Key_Tab});
        QCOMPARE(QApplication::focusWidget(), button("Формулата на закона"));
        lawList(*main)->setCurrentRow(6);
        QCOMPARE(cells(3), QStringLiteral(",|,|,|,|,|,|,|,"));
        typeFormula(QStringLiteral("A ^ !B"));
        QCOMPARE(cells(2), QStringLiteral("|||"));
        tableView()->setFocus();
        tableView()->setCurrentIndex(model()->index(0, 2));
        keys({Qt::Key_0, Qt::Key_0, Qt::Key_1, Qt::Key_1, Qt::Key_Enter});
        QCOMPARE(verdict(), QStringLiteral("Верни: 3 от 4"));
    }

    // Qt's own checks of a model, through everything the window does to it:
    // new shapes, unreadable formulas, the exercise and its answers.
    void the_model_keeps_qts_rules() {
        openTable();
        QAbstractItemModelTester tester(model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        main->selection()->setLaw(6);
        typeFormula(QStringLiteral("A ^"));
        typeFormula(QStringLiteral("C ^ !B = 0"));
        typeFormula(QStringLiteral("C ^ B = 1"));
        QTest::keyClick(table()->windowHandle(), Qt::Key_E, Qt::ControlModifier);
        tableView()->setFocus();
        keys({Qt::Key_1, Qt::Key_0, Qt::Key_Space, Qt::Key_Return});
        QTest::mouseClick(button("Покажи отговорите"), Qt::LeftButton);
        main->selection()->setLaw(0);
        QTest::mouseClick(button("Отначало"), Qt::LeftButton);
        QTest::keyClick(table()->windowHandle(), Qt::Key_E, Qt::ControlModifier);
        QCOMPARE(model()->rowCount(), 4);
    }

    // Windows that follow the selection see the table's own formula, and
    // only while the window shows it.
    void the_selection_holds_the_tables_own_formula() {
        openTable();
        LawSelection &selection = *main->selection();
        typeFormula(QStringLiteral("A v B"));
        QCOMPARE(selection.tableFormula(), QStringLiteral("A v B"));
        QTest::keyClick(formulaField(), Qt::Key_Escape);
        QCOMPARE(selection.tableFormula(), QString());
        typeFormula(QStringLiteral("B -> C"));
        QCOMPARE(headers(), QStringLiteral("B,C,Стойност"));
        table()->close();
        QCOMPARE(selection.tableFormula(), QString());
    }

    void readable_on_a_dark_palette() {
        QPalette dark(QColor(0x38, 0x38, 0x38), QColor(0x30, 0x30, 0x30));
        dark.setColor(QPalette::Base, QColor(0x20, 0x20, 0x20));
        for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
            dark.setColor(role, QColor(0xEE, 0xEE, 0xEE));
        QApplication::setPalette(dark);
        openTable();
        typeFormula(QStringLiteral("A v B = A")); // row 1 marked
        auto check = [this](QWidget *widget, QRect area, const char *what) {
            const QImage picture = table()->grab().toImage();
            const QRect onWindow(widget->mapTo(table(), area.topLeft()), area.size());
            const qreal scale = picture.devicePixelRatio();
            const double ratio = testing::inkContrast(
                picture,
                QRectF(QPointF(onWindow.topLeft()) * scale, QSizeF(onWindow.size()) * scale).toRect());
            QVERIFY2(ratio >= 4.5, qPrintable(QStringLiteral("%1: %2").arg(what).arg(ratio)));
        };
        auto cell = [](int row, int column) {
            return tableView()->visualRect(model()->index(row, column)).adjusted(2, 2, -2, -2);
        };
        check(tableView()->viewport(), cell(1, 2), "marked row");
        check(tableView()->viewport(), cell(2, 2), "plain row");
        check(named("Извод"), named("Извод")->contentsRect(), "verdict");
        check(formulaField(), formulaField()->contentsRect(), "formula");
        QTest::keyClick(table()->windowHandle(), Qt::Key_E, Qt::ControlModifier);
        keys({Qt::Key_0, Qt::Key_0, Qt::Key_Enter});
        check(tableView()->viewport(), cell(0, 2), "right answer");
        check(tableView()->viewport(), cell(1, 2), "wrong answer");
        QTest::keyClick(table()->windowHandle(), Qt::Key_E, Qt::ControlModifier);
        tableView()->selectRow(3);
        check(tableView()->viewport(), cell(3, 2), "chosen row");
    }
};

QTEST_MAIN(TruthTableWindowTest)
#include "truth_table_window_test.moc"
