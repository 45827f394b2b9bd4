// SPDX-License-Identifier: GPL-3.0-or-later
// The truth-table window as a student meets it: opened from the main window,
// its headers, cells and verdict, and its two-way link with the main
// window's law and value selectors. Controls are found by accessible name.

#include "law_catalogue.h"
#include "law_proof.h"
#include "truth_table_window.h"
#include "window_helpers.h"

#include <QAbstractItemModel>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>
#include <QTimer>

#include <cmath>

using namespace testing;

namespace {

template <class Control> Control *named(const char *name) {
    for (QWidget *widget : QApplication::allWidgets())
        if (widget->accessibleName() == QString::fromUtf8(name))
            if (auto *control = qobject_cast<Control *>(widget))
                return control;
    return nullptr;
}

QTableView *tableView() { return named<QTableView>("Таблица на истинност"); }
QLineEdit *formulaField() { return named<QLineEdit>("Формула"); }
QLineEdit *verdictLine() { return named<QLineEdit>("Извод"); }
TruthTableWindow *tableWindow(Inf_Tarvisko &main) { return main.findChild<TruthTableWindow *>(); }

QString headers(const QAbstractItemModel *model) {
    QStringList texts;
    for (int column = 0; column < model->columnCount(); ++column)
        texts << model->headerData(column, Qt::Horizontal).toString();
    return texts.join(QLatin1Char(','));
}

// The cells row by row, "00|01|...".
QString cells(const QAbstractItemModel *model) {
    QStringList rows;
    for (int row = 0; row < model->rowCount(); ++row) {
        QString text;
        for (int column = 0; column < model->columnCount(); ++column)
            text += model->index(row, column).data().toString();
        rows << text;
    }
    return rows.join(QLatin1Char('|'));
}

int selectedRow() {
    const QModelIndexList rows = tableView()->selectionModel()->selectedRows();
    return rows.size() == 1 ? rows.first().row() : -1;
}

QString trimmedFormula(int law) {
    const std::string_view formula = catalogue::lawCatalogue[std::size_t(law)].formula;
    return QString::fromUtf8(formula.data(), qsizetype(formula.size())).trimmed();
}

std::string expectedProof(int law, int a, int b, int c) {
    const catalogue::LawRow &row = catalogue::lawCatalogue[std::size_t(law)];
    return provers::lawProof(std::int16_t(law), row.name, row.formula, provers::formValuesOf(a, b, c));
}

void typeFormula(const QString &text) {
    formulaField()->setFocus();
    formulaField()->selectAll();
    QTest::keyClick(formulaField(), Qt::Key_Delete);
    QTest::keyClicks(formulaField(), text);
}

// WCAG's contrast ratio of two colours.
double contrast(QColor a, QColor b) {
    auto luminance = [](QColor colour) {
        auto linear = [](double c) { return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
        return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
               0.0722 * linear(colour.blueF());
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// In a rectangle of a picture: the commonest colour is the background, the
// colour farthest from it the ink of the glyphs drawn there.
double inkContrast(const QImage &picture, const QRect &area) {
    QHash<QRgb, int> counts;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            ++counts[picture.pixel(x, y)];
    QRgb background = 0;
    for (auto it = counts.begin(); it != counts.end(); ++it)
        if (it.value() > counts.value(background))
            background = it.key();
    double best = 1;
    for (auto it = counts.begin(); it != counts.end(); ++it)
        best = std::max(best, contrast(QColor(background), QColor(it.key())));
    return best;
}

// The sides' cells as the exercise shows them, "|" between rows and ","
// between the sides.
QString answers(const QAbstractItemModel *model, int variables) {
    QStringList rows;
    for (int row = 0; row < model->rowCount(); ++row) {
        QStringList sides;
        for (int column = variables; column < model->columnCount(); ++column)
            sides << model->index(row, column).data().toString();
        rows << sides.join(QLatin1Char(','));
    }
    return rows.join(QLatin1Char('|'));
}

void clickCell(int row, int column) {
    QTableView *view = tableView();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                      view->visualRect(view->model()->index(row, column)).center());
}

} // namespace

class TruthTableWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Inf_Tarvisko> main;

    void openTable() {
        QTest::keyClick(main->windowHandle(), Qt::Key_T, Qt::ControlModifier);
        QVERIFY(tableWindow(*main));
        QVERIFY(QTest::qWaitForWindowActive(tableWindow(*main)));
    }
    // Law 1 (both sides equal A) in the exercise, the focus in the table.
    void startExercise() {
        openTable();
        QTest::keyClick(tableWindow(*main)->windowHandle(), Qt::Key_E, Qt::ControlModifier);
        QVERIFY(named<QPushButton>("Провери се")->isChecked());
        tableView()->setFocus();
    }

private slots:
    void init() {
        main = std::make_unique<Inf_Tarvisko>();
        TruthTableWindow::attachTo(*main);
        main->show();
        main->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(main.get()));
    }
    void cleanup() {
        main.reset();
        QApplication::setPalette(QApplication::style()->standardPalette());
    }

    void ctrl_t_opens_the_window_once_and_raises_it() {
        QVERIFY(!tableWindow(*main)); // nothing is built before it is asked for
        openTable();
        TruthTableWindow *first = tableWindow(*main);
        QVERIFY(first->windowTitle().startsWith(QStringLiteral("Таблица на истинност")));
        QVERIFY(first->isWindow());
        main->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(main.get()));
        openTable();
        QCOMPARE(main->findChildren<TruthTableWindow *>().size(), 1);
        QCOMPARE(tableWindow(*main), first);
    }

    // The table is the main window's: closing the main window ends the
    // program even while the table is open.
    void closing_the_main_window_ends_the_program() {
        openTable();
        QSignalSpy lastClosed(qApp, &QGuiApplication::lastWindowClosed);
        QTimer::singleShot(0, main.get(), [this] { main->close(); });
        QTimer giveUp; // a table left open would keep the program running
        giveUp.callOnTimeout(qApp, &QCoreApplication::quit);
        giveUp.start(3000);
        QApplication::exec();
        QCOMPARE(lastClosed.size(), 1);
    }

    void the_context_menus_open_it_data() {
        QTest::addColumn<bool>("fromLawList");
        QTest::newRow("law list") << true;
        QTest::newRow("result box") << false;
    }
    void the_context_menus_open_it() {
        QFETCH(bool, fromLawList);
        QWidget *owner = fromLawList ? static_cast<QWidget *>(main->List1[0]) : main->Text1[1];
        owner->setFocus();
        QTest::keyClick(owner, Qt::Key_F10, Qt::ShiftModifier);
        QTRY_VERIFY(qobject_cast<QMenu *>(QApplication::activePopupWidget()));
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        QAction *item = menu->actions().constLast();
        QCOMPARE(item->text().remove(QLatin1Char('&')), QStringLiteral("Таблица на истинност"));
        menu->setActiveAction(item);
        QTest::keyClick(menu, Qt::Key_Return);
        QTRY_VERIFY(tableWindow(*main) && tableWindow(*main)->isVisible());
    }

    void headers_and_cells_data() {
        QTest::addColumn<int>("law");
        QTest::addColumn<QString>("formula"); // typed over the law's, when given
        QTest::addColumn<QString>("headers");
        QTest::addColumn<QString>("cells");
        QTest::newRow("law 1, two variables") << 0 << QString() << "A,B,Лява страна,Дясна страна"
                                              << "0000|0100|1011|1111";
        QTest::newRow("law 7, three variables") << 6 << QString() << "A,B,C,Лява страна,Дясна страна"
                                                << "00000|00111|01000|01111|10000|10100|11011|11111";
        QTest::newRow("no =") << 0 << "A -> B"
                              << "A,B,Стойност"
                              << "001|011|100|111";
        QTest::newRow("B and C only") << 0 << "C ^ !B = 0"
                                      << "B,C,Лява страна,Дясна страна"
                                      << "0000|0110|1000|1100";
    }
    void headers_and_cells() {
        QFETCH(int, law);
        QFETCH(QString, formula);
        main->List1[0]->setCurrentRow(law);
        openTable();
        QCOMPARE(formulaField()->text(), trimmedFormula(law));
        if (!formula.isEmpty())
            typeFormula(formula);
        QTEST(headers(tableView()->model()), "headers");
        QTEST(cells(tableView()->model()), "cells");
    }

    void verdict_says_identity_differences_or_error_data() {
        QTest::addColumn<QString>("formula");
        QTest::addColumn<QString>("verdict");
        QTest::addColumn<QString>("markedRows");
        QTest::newRow("identity") << "A v (A ^ B) = A"
                                  << "Тъждество"
                                  << "";
        QTest::newRow("two rows differ") << "A v B = A ^ B"
                                         << "Не е тъждество: страните се различават на 2 от 4 реда"
                                         << "1,2";
        QTest::newRow("no =, false once") << "A v B"
                                          << "Не е тъждество: формулата е невярна на 1 от 4 реда"
                                          << "0";
        QTest::newRow("unreadable") << "A ^"
                                    << "Грешка на позиция 4: "
                                    << "";
    }
    void verdict_says_identity_differences_or_error() {
        QFETCH(QString, formula);
        QFETCH(QString, markedRows);
        openTable();
        typeFormula(formula);
        QFETCH(QString, verdict);
        QVERIFY2(verdictLine()->text().startsWith(verdict), qPrintable(verdictLine()->text()));
        QVERIFY(verdictLine()->isReadOnly());
        // Marked rows: "✗" in the row header, and a description a reader says.
        const QAbstractItemModel *model = tableView()->model();
        QStringList marked;
        for (int row = 0; row < model->rowCount(); ++row) {
            const bool cross = model->headerData(row, Qt::Vertical).toString() == QStringLiteral("✗");
            QCOMPARE(model->index(row, 0).data(Qt::AccessibleDescriptionRole).toString().isEmpty(), !cross);
            if (cross)
                marked << QString::number(row);
        }
        QCOMPARE(marked.join(QLatin1Char(',')), markedRows);
        if (verdict.startsWith(QStringLiteral("Грешка")))
            QCOMPARE(model->rowCount(), 0);
    }

    void choosing_a_row_sets_the_selectors_and_the_proof() {
        main->List1[0]->setCurrentRow(6); // A, B and C
        openTable();
        QTableView *view = tableView();
        QCOMPARE(selectedRow(), 0);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                          view->visualRect(view->model()->index(5, 1)).center());
        QCOMPARE(selectedRow(), 5); // A = 1, B = 0, C = 1
        QCOMPARE(main->resultText(), expectedProof(6, 1, 0, 1));
        QTest::keyClick(view, Qt::Key_Down);
        QCOMPARE(main->resultText(), expectedProof(6, 1, 1, 0));
        for (int i = 0; i < 3; ++i)
            QCOMPARE(main->Bul_Prom[std::size_t(i)]->selectedRow(), i < 2 ? 1 : 0);
        QCOMPARE(main->List1[0]->selectedRow(), 6);
    }

    void the_main_windows_law_and_values_lead_the_table() {
        openTable();
        main->List1[0]->setCurrentRow(16);
        QCOMPARE(formulaField()->text(), trimmedFormula(16));
        QCOMPARE(tableView()->model()->rowCount(), 8);
        main->Bul_Prom[0]->setCurrentRow(1);
        main->Bul_Prom[2]->setCurrentRow(1);
        QCOMPARE(selectedRow(), 5);
        QCOMPARE(main->resultText(), expectedProof(16, 1, 0, 1));
    }

    void an_edited_formula_leaves_the_law_and_comes_back() {
        main->List1[0]->setCurrentRow(2);
        openTable();
        const std::string proof = main->resultText();
        typeFormula(QStringLiteral("B"));
        QCOMPARE(headers(tableView()->model()), QStringLiteral("B,Стойност"));
        QTest::keyClicks(formulaField(), QStringLiteral(" Xor C"));
        QCOMPARE(headers(tableView()->model()), QStringLiteral("B,C,Стойност"));
        QCOMPARE(main->List1[0]->selectedRow(), 2);
        QCOMPARE(main->resultText(), proof);
        // Only the formula's own variables are set: B = 1, C = 1; A stays 0.
        tableView()->selectRow(3);
        QCOMPARE(main->Bul_Prom[0]->selectedRow(), 0);
        QCOMPARE(main->Bul_Prom[1]->selectedRow(), 1);
        QCOMPARE(main->Bul_Prom[2]->selectedRow(), 1);
        QTest::keyClick(formulaField(), Qt::Key_Escape);
        QCOMPARE(formulaField()->text(), trimmedFormula(2));
        typeFormula(QStringLiteral("C"));
        named<QPushButton>("Формулата на закона")->click();
        QCOMPARE(formulaField()->text(), trimmedFormula(2));
        QCOMPARE(headers(tableView()->model()), QStringLiteral("A,B,Лява страна,Дясна страна"));
    }

    void tab_walks_field_table_button() {
        openTable();
        formulaField()->setFocus(Qt::TabFocusReason);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), tableView());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), named<QPushButton>("Формулата на закона"));
    }

    // Every row shows without scrolling and no text is cut, at any scale.
    void rows_and_texts_show_whole() {
        main->List1[0]->setCurrentRow(6);
        openTable();
        typeFormula(QStringLiteral("(A ^ B) v (!A ^ C) v (B ^ C) = (A ^ B) v (!A ^ C) ^ (A ^"));
        QCoreApplication::processEvents();
        QTableView *view = tableView();
        QCOMPARE(view->verticalScrollBar()->maximum(), 0);
        QCOMPARE(view->horizontalScrollBar()->maximum(), 0);
        for (QLineEdit *line : {formulaField(), verdictLine()})
            QVERIFY2(line->fontMetrics().horizontalAdvance(line->text()) < line->contentsRect().width(),
                     qPrintable(line->text()));
        typeFormula(trimmedFormula(6));
        QCoreApplication::processEvents();
        QCOMPARE(view->verticalScrollBar()->maximum(), 0);
        for (int column = 0; column < view->model()->columnCount(); ++column)
            QVERIFY(view->horizontalHeader()->sectionSize(column) >=
                    view->horizontalHeader()->sectionSizeHint(column));
    }

    void the_exercise_blanks_the_sides_and_ctrl_e_ends_it() {
        startExercise();
        const QAbstractItemModel *model = tableView()->model();
        QCOMPARE(cells(model), QStringLiteral("00|01|10|11")); // the variables stay
        QCOMPARE(answers(model, 2), QStringLiteral(",|,|,|,"));
        QVERIFY(verdictLine()->text().contains(QStringLiteral("8 клетки")));
        for (const char *name : {"Провери", "Покажи отговорите", "Отначало"})
            QVERIFY(named<QPushButton>(name)->isVisible());
        QTest::keyClick(tableWindow(*main)->windowHandle(), Qt::Key_E, Qt::ControlModifier);
        QVERIFY(!named<QPushButton>("Провери се")->isChecked());
        QCOMPARE(cells(model), QStringLiteral("0000|0100|1011|1111"));
        QVERIFY(verdictLine()->text().startsWith(QStringLiteral("Тъждество")));
        QVERIFY(!named<QPushButton>("Провери")->isVisible());
    }

    void keys_fill_check_reveal_and_restart() {
        startExercise();
        QTableView *view = tableView();
        const QAbstractItemModel *model = view->model();
        // From the first cell to fill: 1 (wrong), 0 (right), then two Spaces
        // (blank, 0, 1: right); Tab to the right side, 1 and 0 write it and
        // the row below; Up and Delete clear the 1 again.
        for (Qt::Key key : {Qt::Key_1, Qt::Key_0, Qt::Key_Space, Qt::Key_Space, Qt::Key_Tab, Qt::Key_1,
                            Qt::Key_0, Qt::Key_Up, Qt::Key_Delete})
            QTest::keyClick(view, key);
        QCOMPARE(answers(model, 2), QStringLiteral("1,|0,|1,|,0"));
        QTest::keyClick(view, Qt::Key_Return);
        QCOMPARE(verdictLine()->text(), QStringLiteral("Верни: 2 от 8"));
        QCOMPARE(answers(model, 2), QStringLiteral("1 ✗,|0 ✓,|1 ✓,|,0 ✗"));
        QVERIFY(
            model->index(0, 2).data(Qt::AccessibleDescriptionRole).toString().contains(QStringLiteral("✗")));
        QVERIFY(
            model->index(1, 2).data(Qt::AccessibleDescriptionRole).toString().contains(QStringLiteral("✓")));
        QCOMPARE(model->index(0, 2).data(Qt::BackgroundRole).value<QColor>(), QColor(0xFF, 0xC8, 0xC8));
        QCOMPARE(model->index(1, 2).data(Qt::BackgroundRole).value<QColor>(), QColor(0xC8, 0xF0, 0xC8));
        QVERIFY(!model->index(3, 2).data(Qt::BackgroundRole).isValid()); // a blank is not marked

        QTest::mouseClick(named<QPushButton>("Покажи отговорите"), Qt::LeftButton);
        QCOMPARE(model->index(0, 2).data().toString(), QStringLiteral("1 ✗ (вярно: 0)"));
        QCOMPARE(model->index(3, 2).data().toString(), QStringLiteral("(вярно: 1)"));
        QTest::mouseClick(named<QPushButton>("Отначало"), Qt::LeftButton);
        QCOMPARE(answers(model, 2), QStringLiteral(",|,|,|,"));
        QVERIFY(!named<QPushButton>("Покажи отговорите")->isChecked());
        QVERIFY(!verdictLine()->text().startsWith(QStringLiteral("Верни")));
    }

    void a_click_steps_a_cell_and_chooses_its_row() {
        startExercise();
        QStringList seen;
        for (int click = 0; click < 3; ++click) {
            clickCell(2, 3);
            seen << tableView()->model()->index(2, 3).data().toString();
        }
        QCOMPARE(seen.join(QLatin1Char(',')), QStringLiteral("0,1,"));
        QCOMPARE(main->Bul_Prom[0]->selectedRow(), 1); // row 2: A = 1, B = 0
        QCOMPARE(main->Bul_Prom[1]->selectedRow(), 0);
        QCOMPARE(main->resultText(), expectedProof(0, 1, 0, 0));
    }

    void tab_after_the_last_cell_leaves_the_table() {
        startExercise();
        QTableView *view = tableView();
        view->setCurrentIndex(view->model()->index(3, 3));
        QTest::keyClick(view, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), named<QPushButton>("Формулата на закона"));
    }

    void another_law_or_an_edit_starts_afresh() {
        startExercise();
        QTest::keyClick(tableView(), Qt::Key_1);
        main->List1[0]->setCurrentRow(6);
        QCOMPARE(answers(tableView()->model(), 3), QStringLiteral(",|,|,|,|,|,|,|,"));
        QVERIFY(named<QPushButton>("Провери се")->isChecked());
        tableView()->setFocus();
        QTest::keyClick(tableView(), Qt::Key_1);
        typeFormula(QStringLiteral("A ^ !B"));
        QCOMPARE(answers(tableView()->model(), 2), QStringLiteral("|||"));
        QCOMPARE(headers(tableView()->model()), QStringLiteral("A,B,Стойност"));
        QVERIFY(verdictLine()->text().contains(QStringLiteral("4 клетки")));
        tableView()->setFocus();
        tableView()->setCurrentIndex(tableView()->model()->index(0, 2));
        for (Qt::Key key : {Qt::Key_0, Qt::Key_0, Qt::Key_1, Qt::Key_1, Qt::Key_Enter})
            QTest::keyClick(tableView(), key);
        QCOMPARE(verdictLine()->text(), QStringLiteral("Верни: 3 от 4"));
    }

    void readable_on_a_dark_palette() {
        QPalette dark;
        for (auto [role, colour] : {std::pair{QPalette::Window, QColor(0x30, 0x30, 0x30)},
                                    {QPalette::Base, QColor(0x20, 0x20, 0x20)},
                                    {QPalette::Button, QColor(0x38, 0x38, 0x38)},
                                    {QPalette::WindowText, QColor(0xEE, 0xEE, 0xEE)},
                                    {QPalette::Text, QColor(0xEE, 0xEE, 0xEE)},
                                    {QPalette::ButtonText, QColor(0xEE, 0xEE, 0xEE)}})
            dark.setColor(role, colour);
        QApplication::setPalette(dark);
        openTable();
        typeFormula(QStringLiteral("A v B = A")); // row 1 marked
        QTableView *view = tableView();
        QImage picture = tableWindow(*main)->grab().toImage();
        const qreal scale = picture.devicePixelRatio();
        auto check = [&](QWidget *widget, QRect area, const char *what) {
            const QRect onWindow(widget->mapTo(tableWindow(*main), area.topLeft()), area.size());
            const QRect pixels =
                QRectF(QPointF(onWindow.topLeft()) * scale, QSizeF(onWindow.size()) * scale).toRect();
            const double ratio = inkContrast(picture, pixels);
            QVERIFY2(ratio >= 4.5, qPrintable(QStringLiteral("%1: %2").arg(what).arg(ratio)));
        };
        const QAbstractItemModel *model = view->model();
        check(view->viewport(), view->visualRect(model->index(1, 2)).adjusted(2, 2, -2, -2), "marked cell");
        check(view->viewport(), view->visualRect(model->index(2, 2)).adjusted(2, 2, -2, -2), "plain cell");
        check(verdictLine(), verdictLine()->contentsRect(), "verdict");
        check(formulaField(), formulaField()->contentsRect(), "formula");

        // The exercise's right and wrong marks.
        QTest::keyClick(tableWindow(*main)->windowHandle(), Qt::Key_E, Qt::ControlModifier);
        for (Qt::Key key : {Qt::Key_0, Qt::Key_0, Qt::Key_Enter})
            QTest::keyClick(view, key);
        const QImage marks = tableWindow(*main)->grab().toImage();
        picture = marks;
        check(view->viewport(), view->visualRect(model->index(0, 2)).adjusted(2, 2, -2, -2), "right answer");
        check(view->viewport(), view->visualRect(model->index(1, 2)).adjusted(2, 2, -2, -2), "wrong answer");
    }
};

QTEST_MAIN(TruthTableWindowTest)
#include "truth_table_window_test.moc"
