// SPDX-License-Identifier: GPL-3.0-or-later
// The window as a screen reader and a keyboard-only user meet it: every
// control that takes focus is named in Bulgarian, described and of the right
// role; the labels name their selectors; the proof can be read through the
// accessibility interface; Tab walks the controls in their order; and a law
// can be chosen and proved with keys alone.

#include "law_catalogue.h"
#include "proof_helpers.h"
#include "window_helpers.h"

#include <QAccessible>
#include <QAccessibleTextInterface>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTest>

using namespace testing;

namespace {

constexpr int threeVariableRow = 6;

QAccessibleInterface *interfaceOf(QObject *object) { return QAccessible::queryAccessibleInterface(object); }

// Every interface below `root`, depth first, as a reader walks the tree.
void walk(QAccessibleInterface *root, QList<QAccessibleInterface *> &found) {
    for (int i = 0; i < root->childCount(); ++i) {
        if (QAccessibleInterface *child = root->child(i)) {
            found << child;
            walk(child, found);
        }
    }
}

bool hasCyrillic(const QString &text) {
    static const QRegularExpression cyrillic(QStringLiteral("\\p{Cyrillic}"));
    return text.contains(cyrillic);
}

QString focusedName() {
    const QWidget *focused = QApplication::focusWidget();
    return focused ? focused->objectName() : QStringLiteral("(nothing)");
}

} // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Inf_Tarvisko> window;

    void pressTab(Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, modifiers);
    }

private slots:
    void init() {
        window = std::make_unique<Inf_Tarvisko>();
        window->show();
        QApplication::setActiveWindow(window.get());
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }
    void cleanup() { window.reset(); }

    void the_window_is_a_window_named_by_its_caption() {
        QAccessibleInterface *form = interfaceOf(window.get());
        QCOMPARE(form->role(), QAccessible::Window);
        QCOMPARE(form->text(QAccessible::Name), window->windowTitle());
        QVERIFY(form->state().active);
    }

    void every_focusable_control_is_named_described_and_of_its_role_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("role");
        const int text = QAccessible::EditableText;
        const int list = QAccessible::List;
        QTest::newRow("description") << "Text1(0)" << text;
        QTest::newRow("law list") << "List1(0)" << list;
        QTest::newRow("value of A") << "Bul_Prom(0)" << list;
        QTest::newRow("value of B") << "Bul_Prom(1)" << list;
        QTest::newRow("value of C") << "Bul_Prom(2)" << list;
        QTest::newRow("result box") << "Text1(1)" << text;
    }
    void every_focusable_control_is_named_described_and_of_its_role() {
        QFETCH(QString, control);
        QFETCH(int, role);
        clickRow(lawList(*window), threeVariableRow); // C shown too

        QList<QAccessibleInterface *> tree;
        walk(interfaceOf(window.get()), tree);
        QAccessibleInterface *found = nullptr;
        for (QAccessibleInterface *node : tree)
            if (node->object() && node->object()->objectName() == control)
                found = node;
        QVERIFY2(found, "not reachable from the window's interface");

        QVERIFY(found->state().focusable);
        QVERIFY(!found->state().invisible);
        QCOMPARE(int(found->role()), role);
        const QString name = found->text(QAccessible::Name);
        QVERIFY2(hasCyrillic(name), qPrintable(name));
        const auto *widget = qobject_cast<const QWidget *>(found->object());
        QCOMPARE(found->text(QAccessible::Description), widget->toolTip());
        QVERIFY(!widget->toolTip().isEmpty());
    }

    void no_other_control_takes_focus_and_no_two_share_a_name() {
        clickRow(lawList(*window), threeVariableRow);
        QList<QAccessibleInterface *> tree;
        walk(interfaceOf(window.get()), tree);
        QStringList focusable;
        QStringList names;
        for (QAccessibleInterface *node : tree) {
            if (!node->state().focusable || node->state().invisible || !node->object() ||
                !node->object()->isWidgetType())
                continue;
            focusable << node->object()->objectName();
            names << node->text(QAccessible::Name);
        }
        focusable.sort();
        QCOMPARE(focusable, QStringList({"Bul_Prom(0)", "Bul_Prom(1)", "Bul_Prom(2)", "List1(0)", "Text1(0)",
                                         "Text1(1)"}));
        names.removeDuplicates();
        QCOMPARE(names.size(), focusable.size());
    }

    void each_label_names_its_selector_data() {
        QTest::addColumn<int>("variable");
        QTest::newRow("A") << 0;
        QTest::newRow("B") << 1;
        QTest::newRow("C") << 2;
    }
    void each_label_names_its_selector() {
        QFETCH(int, variable);
        const auto i = std::size_t(variable);
        QAccessibleInterface *label = interfaceOf(window->Label1[i]);
        QAccessibleInterface *selector = interfaceOf(valueSelector(*window, int(i)));

        const auto labelled = label->relations(QAccessible::Labelled);
        QCOMPARE(labelled.size(), 1);
        QCOMPARE(labelled.first().first->object(), valueSelector(*window, int(i)));
        // The selector's own name carries the label's letter, for readers
        // that do not follow relations (Qt's lists report none back).
        QVERIFY(selector->text(QAccessible::Name).endsWith(QLatin1Char(' ') + window->Label1[i]->text()));
        // Naming changes nothing the window shows.
        QCOMPARE(window->Label1[i]->text(), QString(QChar(u'A' + variable)));
        QCOMPARE(window->Label1[i]->focusPolicy(), Qt::NoFocus);
    }

    void a_reader_reads_the_proof_and_the_chosen_values_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("a");
        QTest::addColumn<int>("b");
        QTest::addColumn<int>("c");
        QTest::newRow("law 1, 0 0") << 0 << 0 << 0 << 0;
        QTest::newRow("law 5, 1 0") << 4 << 1 << 0 << 0;
        QTest::newRow("law 7, 1 0 1") << 6 << 1 << 0 << 1;
        QTest::newRow("law 21, 1 1") << 20 << 1 << 1 << 0;
    }
    void a_reader_reads_the_proof_and_the_chosen_values() {
        QFETCH(int, row);
        QFETCH(int, a);
        QFETCH(int, b);
        QFETCH(int, c);
        clickRow(lawList(*window), row);
        const std::array<int, 3> values{a, b, c};
        for (std::size_t i = 0; i < 3; ++i)
            if (!valueSelector(*window, int(i))->isHidden())
                clickRow(valueSelector(*window, int(i)), values[i]);

        QAccessibleTextInterface *text = interfaceOf(window->Text1[1])->textInterface();
        QVERIFY(text);
        const QString expected =
            QString::fromUtf8(headerOf(row) + proofOf(row, {a, b, c})).replace(QStringLiteral("\r\n"), "\n");
        QCOMPARE(text->text(0, text->characterCount()), expected);
        QVERIFY(interfaceOf(window->Text1[1])->state().readOnly);

        // Each shown selector tells its chosen value as its selected item.
        for (std::size_t i = 0; i < 3; ++i) {
            if (valueSelector(*window, int(i))->isHidden())
                continue;
            QAccessibleInterface *selector = interfaceOf(valueSelector(*window, int(i)));
            QStringList selected;
            for (int child = 0; child < selector->childCount(); ++child)
                if (selector->child(child)->state().selected)
                    selected << selector->child(child)->text(QAccessible::Name);
            QCOMPARE(selected, QStringList(QString::number(values[i])));
        }
    }

    void tab_walks_the_controls_in_order_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<QStringList>("order");
        QTest::newRow("two variables")
            << 0 << QStringList{"Text1(0)", "List1(0)", "Bul_Prom(0)", "Bul_Prom(1)", "Text1(1)"};
        QTest::newRow("three variables")
            << threeVariableRow
            << QStringList{"Text1(0)", "List1(0)", "Bul_Prom(0)", "Bul_Prom(1)", "Bul_Prom(2)", "Text1(1)"};
    }
    void tab_walks_the_controls_in_order() {
        QFETCH(int, row);
        QFETCH(QStringList, order);
        clickRow(lawList(*window), row);
        window->Text1[0]->setFocus(Qt::OtherFocusReason);
        QCOMPARE(focusedName(), order.first());

        QStringList forwards{focusedName()};
        for (qsizetype i = 0; i < order.size(); ++i) {
            pressTab();
            forwards << focusedName();
        }
        QCOMPARE(forwards, order + QStringList{order.first()}); // and round again

        QStringList backwards{focusedName()};
        for (qsizetype i = 0; i < order.size(); ++i) {
            pressTab(Qt::ShiftModifier);
            backwards << focusedName();
        }
        std::reverse(order.begin(), order.end());
        QCOMPARE(backwards, QStringList{order.last()} + order);
    }

    void keys_alone_choose_a_law_and_its_values() {
        window->Text1[0]->setFocus(Qt::OtherFocusReason);
        pressTab(); // law list
        for (int i = 0; i < threeVariableRow; ++i)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        pressTab(); // A
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        pressTab(); // B stays 0
        pressTab(); // C
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QCOMPARE(focusedName(), QStringLiteral("Bul_Prom(2)"));
        QCOMPARE(resultOf(*window), headerOf(threeVariableRow) + proofOf(threeVariableRow, {1, 0, 1}));

        // Up again on C puts its 0 back.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
        QCOMPARE(resultOf(*window), headerOf(threeVariableRow) + proofOf(threeVariableRow, {1, 0, 0}));
    }

    // A reader following the keys through a list finds the row they moved
    // to focused and selected, under its own text.
    void the_row_the_keys_move_to_is_the_readers_focus() {
        window->Text1[0]->setFocus(Qt::OtherFocusReason);
        pressTab(); // law list
        QTest::keyClick(lawList(*window), Qt::Key_Down);
        QTest::keyClick(lawList(*window), Qt::Key_End);
        QAccessibleInterface *list = interfaceOf(lawList(*window));
        QAccessibleInterface *row = list->child(20);
        QVERIFY(row->state().focused && row->state().selected && !row->state().offscreen);
        QCOMPARE(row->role(), QAccessible::ListItem);
        QCOMPARE(row->text(QAccessible::Name), lawList(*window)->itemText(20));
        QCOMPARE(list->focusChild(), row);
        QCOMPARE(list->indexOfChild(row), 20);
        QCOMPARE(row->parent(), list);
        // The first row is scrolled out of sight and neither chosen nor focused.
        QAccessibleInterface *first = list->child(0);
        // Qt's item views call a row scrolled out of sight invisible.
        QVERIFY(first->state().offscreen || first->state().invisible);
        QVERIFY(!first->state().selected);
        QVERIFY(!first->state().focused);
        QVERIFY(list->childAt(row->rect().center().x(), row->rect().center().y()) == row);
    }

    // The menu key is turned into a context menu by the platform; Shift+F10
    // is the program's own.
    void shift_f10_opens_the_text_boxes_context_menu_data() { addTextBoxRows(); }
    void shift_f10_opens_the_text_boxes_context_menu() {
        QFETCH(int, box);
        QPlainTextEdit *text = window->Text1[std::size_t(box)];
        text->setFocus(Qt::TabFocusReason);
        QVERIFY(!QApplication::activePopupWidget());
        QTest::keyClick(text, Qt::Key_F10, Qt::ShiftModifier);
        QTRY_VERIFY(qobject_cast<QMenu *>(QApplication::activePopupWidget()));
        const auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        QVERIFY(menu->findChild<QAction *>(QStringLiteral("edit-copy")));
        // Escape gives the focus back to the box.
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
        QTRY_VERIFY(!QApplication::activePopupWidget());
        QCOMPARE(QApplication::focusWidget(), text);
    }
};

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
