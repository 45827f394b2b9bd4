// SPDX-License-Identifier: GPL-3.0-or-later
// The Karnaugh-map window through real key and mouse events: it follows the
// selection and the truth-table window's formula, groups are drawn by keys
// and by drags (past the edges too), "Провери" names the rule each group
// breaks, and the loops read well on dark and light backgrounds.

#include "contrast.h"
#include "inf_tarvisko.h"
#include "karnaugh_map_view.h"
#include "karnaugh_window.h"
#include "law_selection.h"
#include "truth_table_window.h"
#include "window_opening.h"

#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

namespace {

template <typename Widget> Widget *named(const QWidget &window, const QString &name) {
    for (auto *widget : window.findChildren<Widget *>())
        if (widget->accessibleName() == name)
            return widget;
    return nullptr;
}

QString lineText(const QWidget &window, const char *name) {
    return named<QLineEdit>(window, QString::fromUtf8(name))->text();
}
QString verdict(const QWidget &window) {
    return named<QPlainTextEdit>(window, QStringLiteral("Извод"))->toPlainText();
}
QStringList items(const QWidget &window, const char *name) {
    QStringList texts;
    auto *list = named<QListWidget>(window, QString::fromUtf8(name));
    for (int row = 0; row < list->count(); ++row)
        texts << list->item(row)->text();
    return texts;
}
KarnaughMapView *leftMap(const QWidget &window) { return window.findChildren<KarnaughMapView *>().first(); }

// Keys as the drawing takes them: u d l r for the arrows, U D L R with
// Shift, e for Enter, x for Delete.
void type(QWidget *map, const QString &keys) {
    for (QChar key : keys) {
        const QString arrows = QStringLiteral("udlr");
        const int arrow = arrows.indexOf(key.toLower());
        static constexpr Qt::Key arrowKeys[] = {Qt::Key_Up, Qt::Key_Down, Qt::Key_Left, Qt::Key_Right};
        const Qt::Key code = arrow >= 0           ? arrowKeys[arrow]
                             : key == QChar(u'e') ? Qt::Key_Return
                                                  : Qt::Key_Delete;
        QTest::keyClick(map, code, key.isUpper() ? Qt::ShiftModifier : Qt::NoModifier);
    }
}

struct Window {
    LawSelection selection;
    KarnaughWindow window{selection, nullptr};
    explicit Window(const QString &formula = {}) {
        selection.setTableFormula(formula);
        window.show();
        // Shortcuts (Ctrl+G) reach only the active window.
        QApplication::setActiveWindow(&window);
    }
    void group() { QTest::keyClick(&window, Qt::Key_G, Qt::ControlModifier); }
    void check() { named<QPushButton>(window, QStringLiteral("Провери"))->click(); }
};

} // namespace

class KarnaughWindowTest : public QObject {
    Q_OBJECT

private slots:
    void the_maps_follow_the_law_and_the_table_formula() {
        Window w;
        w.selection.setLaw(6); // (A ^ B) v (!A ^ C) = (A v C) ^ (!A v B)
        QVERIFY(w.window.windowTitle().startsWith(QStringLiteral("Карта на Карно – 7. ")));
        QVERIFY(named<KarnaughMapView>(w.window, QStringLiteral("Лява страна"))->isVisible());
        QVERIFY(named<KarnaughMapView>(w.window, QStringLiteral("Дясна страна"))->isVisible());
        QCOMPARE(lineText(w.window, "Сравнение"), QStringLiteral("Картите съвпадат"));
        QCOMPARE(lineText(w.window, "Минимална ДНФ"), QStringLiteral("A ^ B v !A ^ C"));

        w.selection.setTableFormula(QStringLiteral("P ^ Q v R"));
        QCOMPARE(w.window.windowTitle(), QStringLiteral("Карта на Карно – P ^ Q v R"));
        auto *map = named<KarnaughMapView>(w.window, QStringLiteral("Стойност"));
        QVERIFY(map && map->isVisible());
        QVERIFY(!named<KarnaughMapView>(w.window, QStringLiteral("Дясна страна"))->isVisible());
        QCOMPARE(map->model()->headerData(1, Qt::Vertical, Qt::AccessibleTextRole).toString(),
                 QStringLiteral("P = 1"));
        QCOMPARE(map->model()->headerData(3, Qt::Horizontal).toString(), QStringLiteral("QR = 10"));
        QCOMPARE(map->model()->index(1, 2).data().toString(), QStringLiteral("1")); // P Q R = 1 1 1
        QCOMPARE(map->model()->index(0, 0).data().toString(), QStringLiteral("0"));

        w.selection.setTableFormula(QString()); // the table closed: the law again
        QCOMPARE(lineText(w.window, "Формула"), QStringLiteral("(A ^ B) v (!A ^ C) =  (A v C) ^ (!A v B)"));
    }

    void ctrl_k_opens_the_maps_from_the_main_window_and_the_truth_table() {
        Inf_Tarvisko main;
        attachWindowOpening(main);
        main.show();
        QApplication::setActiveWindow(&main);
        QTest::keyClick(&main, Qt::Key_K, Qt::ControlModifier);
        auto *maps = main.findChild<KarnaughWindow *>();
        QVERIFY(maps && maps->isVisible());
        maps->close();

        QTest::keyClick(&main, Qt::Key_T, Qt::ControlModifier);
        auto *table = main.findChild<TruthTableWindow *>();
        QVERIFY(table && table->isVisible());
        QStringList tableMenu;
        for (QAction *action : table->findChild<QTableView *>()->actions())
            tableMenu << action->text();
        QVERIFY2(tableMenu.contains(QStringLiteral("Карта на Карно…")), qPrintable(tableMenu.join(u'|')));
        // A formula typed in the table's field is the one the maps show.
        auto *field = named<QLineEdit>(*table, QStringLiteral("Формула"));
        field->selectAll();
        QTest::keyClicks(field, QStringLiteral("A ^ B v C ^ D"));
        QApplication::setActiveWindow(table);
        QTest::keyClick(table, Qt::Key_K, Qt::ControlModifier);
        QVERIFY(maps->isVisible());
        QCOMPARE(lineText(*maps, "Минимална ДНФ"), QStringLiteral("A ^ B v C ^ D"));
        QCOMPARE(maps->windowTitle(), QStringLiteral("Карта на Карно – A ^ B v C ^ D"));
    }

    void a_formula_without_a_map_says_why_data() {
        QTest::addColumn<QString>("formula");
        QTest::addColumn<QString>("start");
        QTest::newRow("one variable") << "A v !A"
                                      << "Карта на Карно има само за формули с 2 до 4 променливи";
        QTest::newRow("five variables") << "A ^ B ^ C ^ D ^ E"
                                        << "Карта на Карно има само за формули с 2 до 4 променливи";
        QTest::newRow("unreadable") << "A ^ ^ B"
                                    << "Грешка на позиция 5";
    }
    void a_formula_without_a_map_says_why() {
        QFETCH(QString, formula);
        QFETCH(QString, start);
        Window w(formula);
        QVERIFY2(verdict(w.window).startsWith(start), qPrintable(verdict(w.window)));
        QVERIFY(!leftMap(w.window)->isVisible());
        QVERIFY(!named<QPushButton>(w.window, QStringLiteral("Групирай сам"))->isEnabled());
    }

    void another_cover_steps_through_every_minimal_cover() {
        // Six ones in a ring: two minimal covers of three groups each.
        Window w(QStringLiteral("!A ^ B v B ^ !C v A ^ !B v !B ^ C"));
        const QString first = lineText(w.window, "Минимална ДНФ");
        QCOMPARE(verdict(w.window), QStringLiteral("Минимално покритие 1 от 2."));
        auto *other = named<QPushButton>(w.window, QStringLiteral("Друго покритие"));
        other->click();
        QVERIFY(lineText(w.window, "Минимална ДНФ") != first);
        QCOMPARE(items(w.window, "Групи").size(), 3);
        QCOMPARE(leftMap(w.window)->loops().size(), std::size_t(3));
        other->click();
        QCOMPARE(lineText(w.window, "Минимална ДНФ"), first);
    }

    void grouping_alone_hides_the_answer() {
        Window w(QStringLiteral("A ^ B v C ^ D"));
        QCOMPARE(leftMap(w.window)->loops().size(), std::size_t(2));
        w.group();
        QVERIFY(leftMap(w.window)->loops().empty());
        for (const char *name : {"Минимална ДНФ", "Минимална КНФ"})
            QVERIFY(!named<QLineEdit>(w.window, QString::fromUtf8(name))->isVisible());
        QVERIFY(!named<QListWidget>(w.window, QStringLiteral("Групи"))->isVisible());
        w.group();
        QVERIFY(named<QListWidget>(w.window, QStringLiteral("Групи"))->isVisible());
    }

    void drawn_groups_are_graded_data() {
        QTest::addColumn<QString>("formula");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QStringList>("groups");
        QTest::addColumn<QString>("verdict");
        // Six ones in a ring round the 3-variable map: two minimal covers of three pairs.
        const QString ring = QStringLiteral("!A ^ B v B ^ !C v A ^ !B v !B ^ C");
        QTest::newRow("the program's own cover")
            << "A ^ B v C ^ D"
            << "ddRRRelUUUe" << QStringList{"1. A ^ B — вярно", "2. C ^ D — вярно"}
            << "Вярно: минимално покритие";
        QTest::newRow("a cover with a pair wrapping past the edge")
            << ring << "rrRedRerUe"
            << QStringList{"1. !A ^ B — вярно", "2. A ^ !C — вярно", "3. !B ^ C — вярно"}
            << "Вярно: минимално покритие";
        QTest::newRow("four corners")
            << "!B ^ !D v A ^ !A v C ^ !C"
            << "LUe" << QStringList{"1. !B ^ !D — вярно"} << "Вярно: минимално покритие";
        QTest::newRow("three cells") << "A v B ^ !B ^ C"
                                     << "dRRe"
                                     << QStringList{"1. 3 клетки — не е група от 1, 2, 4, 8 или 16 клетки"}
                                     << "Група 1 има 3 клетки, а група може да има само 1, 2, 4, 8 или 16 "
                                        "клетки. Единицата в клетка A = 1, BC = 10 не е покрита.";
        QTest::newRow("a zero inside")
            << "A ^ B"
            << "dLe" << QStringList{"1. A — съдържа 0"} << "Група 1 (A) съдържа 0 в клетка A = 1, B = 0.";
        QTest::newRow("not the largest") << "A v B ^ !B"
                                         << "de" << QStringList{"1. A ^ !B — не е възможно най-голямата"}
                                         << "Група 1 (A ^ !B) не е възможно най-голямата: може да се разшири "
                                            "до A. Единицата в клетка A = 1, B = 1 не е покрита.";
        QTest::newRow("a group too many")
            << "A v B"
            << "dReUee"
            << QStringList{"1. A — вярно", "2. B — вярно", "3. !A ^ B — не е възможно най-голямата"}
            << "Група 3 (!A ^ B) не е възможно най-голямата: може да се разшири до B. Групите са 3, а са "
               "достатъчни 2.";
        QTest::newRow("a redundant group")
            << ring << "rRerDeReRe"
            << QStringList{"1. !A ^ C — вярно", "2. B ^ !C — вярно", "3. A ^ !C — излишна",
                           "4. A ^ !B — вярно"}
            << "Група 3 (A ^ !C) е излишна: клетките ѝ са покрити от другите групи. Групите са 4, а са "
               "достатъчни 3.";
        QTest::newRow("a wrong group removed")
            << "A ^ B"
            << "dRexe" << QStringList{"1. A ^ B — вярно"} << "Вярно: минимално покритие";
    }
    void drawn_groups_are_graded() {
        QFETCH(QString, formula);
        QFETCH(QString, keys);
        QFETCH(QStringList, groups);
        QFETCH(QString, verdict);
        Window w(formula);
        w.group();
        type(leftMap(w.window), keys);
        w.check();
        QCOMPARE(items(w.window, "Твоите групи"), groups);
        QCOMPARE(::verdict(w.window), verdict);
    }

    void a_drag_draws_a_group_and_wraps_past_an_edge_data() {
        QTest::addColumn<QPoint>("from"); // cells, as row and column
        QTest::addColumn<QPointF>("to");  // in cells, past the edges too
        QTest::addColumn<QString>("group");
        QTest::newRow("inside") << QPoint(2, 0) << QPointF(3.5, 1.5) << "1. A ^ !C";
        QTest::newRow("past the right edge") << QPoint(0, 3) << QPointF(0.5, 4.5) << "1. !A ^ !B ^ !D";
        QTest::newRow("past the left edge") << QPoint(3, 0) << QPointF(3.5, -0.5) << "1. A ^ !B ^ !D";
        QTest::newRow("past the top edge") << QPoint(0, 0) << QPointF(-0.5, 0.5) << "1. !B ^ !C ^ !D";
    }
    void a_drag_draws_a_group_and_wraps_past_an_edge() {
        QFETCH(QPoint, from);
        QFETCH(QPointF, to);
        QFETCH(QString, group);
        Window w(QStringLiteral("A ^ B ^ C ^ D v !A ^ !A"));
        w.window.resize(w.window.sizeHint() + QSize(200, 200));
        QVERIFY(QTest::qWaitForWindowExposed(&w.window));
        w.group();
        KarnaughMapView *map = leftMap(w.window);
        const int side = map->columnWidth(0);
        const QPoint start = map->visualRect(map->model()->index(from.x(), from.y())).center();
        const QPoint end(int(to.y() * side), int(to.x() * side));
        QTest::mousePress(map->viewport(), Qt::LeftButton, {}, start);
        QTest::mouseMove(map->viewport(), end);
        QTest::mouseRelease(map->viewport(), Qt::LeftButton, {}, end);
        QCOMPARE(items(w.window, "Твоите групи"), QStringList{group});
    }

    void the_loops_read_well_on_dark_and_light_backgrounds_data() {
        QTest::addColumn<bool>("dark");
        QTest::addColumn<QString>("loop");
        for (bool dark : {false, true})
            for (const char *loop : {"cover", "right", "wrong"})
                QTest::addRow("%s, %s", dark ? "dark" : "light", loop) << dark << QString::fromLatin1(loop);
    }
    void the_loops_read_well_on_dark_and_light_backgrounds() {
        QFETCH(bool, dark);
        QFETCH(QString, loop);
        const QPalette before = QApplication::palette();
        if (dark) {
            QPalette palette = before;
            for (auto [role, colour] : {std::pair{QPalette::Window, QColor(0x30, 0x30, 0x30)},
                                        {QPalette::Base, QColor(0x24, 0x24, 0x24)},
                                        {QPalette::Text, QColor(0xEE, 0xEE, 0xEE)},
                                        {QPalette::WindowText, QColor(0xEE, 0xEE, 0xEE)}})
                palette.setColor(role, colour);
            QApplication::setPalette(palette);
        }
        Window w(QStringLiteral("A ^ B"));
        QVERIFY(QTest::qWaitForWindowExposed(&w.window));
        if (loop != QLatin1String("cover")) {
            w.group();
            type(leftMap(w.window),
                 loop == QLatin1String("right") ? QStringLiteral("dre") : QStringLiteral("dLe"));
            w.check();
            w.window.setFocus(); // the rectangle being drawn shows only while the map has the focus
        }
        KarnaughMapView *map = leftMap(w.window);
        // The top strip of the cell A = 1, B = 1: its background and the loop's top edge, no digit.
        const QRect cell = map->visualRect(map->model()->index(1, 1));
        const QImage picture = map->viewport()
                                   ->grab(QRect(cell.topLeft(), QSize(cell.width(), cell.height() / 4)))
                                   .toImage()
                                   .convertToFormat(QImage::Format_RGB32);
        QApplication::setPalette(before);
        const double ratio = testing::inkContrast(picture);
        QVERIFY2(ratio >= 4.5, qPrintable(QStringLiteral("contrast %1:1").arg(ratio, 0, 'f', 2)));
    }
};

QTEST_MAIN(KarnaughWindowTest)
#include "karnaugh_window_test.moc"
