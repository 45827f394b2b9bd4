// SPDX-License-Identifier: GPL-3.0-or-later
// The window as the user meets it: start-up state, places and colours, and
// the reaction to clicks on the law list and the value selectors.

#include "fixed_texts.h"
#include "law_catalogue.h"
#include "proof_helpers.h"
#include "window_helpers.h"

#include <QFontInfo>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>

using namespace testing;

namespace {

bool shown(const QWidget *control) { return !control->isHidden(); }

// The selectors and labels the user sees, as "AB" or "ABC".
QByteArray visibleVariables(const Inf_Tarvisko &window) {
    QByteArray seen;
    for (std::size_t i = 0; i < 3; ++i) {
        if (shown(window.Label1[i]) != shown(valueSelector(window, int(i))))
            return "label and selector of " + QByteArray(texts::variableNames[i]) + " disagree";
        if (shown(valueSelector(window, int(i))))
            seen += texts::variableNames[i];
    }
    return seen;
}

} // namespace

class WindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Inf_Tarvisko> window;

private slots:
    void init() {
        window = std::make_unique<Inf_Tarvisko>();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }
    void cleanup() { window.reset(); }

    void opens_with_law_one_proved_for_zeros() {
        QCOMPARE(lawList(*window)->count(), 21);
        QCOMPARE(lawList(*window)->selectedRow(), 0);
        QCOMPARE(visibleVariables(*window), QByteArray("AB"));
        for (const ChoiceList *selector :
             {valueSelector(*window, 0), valueSelector(*window, 1), valueSelector(*window, 2)})
            QCOMPARE(selector->selectedRow(), 0);
        QCOMPARE(resultOf(*window), headerOf(0) + " (0 ^ 0) v (0 ^ !0) = 0 v 0 = False\r\n");
        QVERIFY(resultOf(*window).startsWith("1: Закон за слепване:  \r\n(A ^ B) v (A ^ !B) = A\r\n"));
        // The box itself shows that proof, not a text of the start-up's earlier steps.
        QCOMPARE(window->Text1[1]->toPlainText(),
                 QString::fromUtf8(resultOf(*window)).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    }

    void law_list_shows_name_blank_formula_of_every_row() {
        for (int row = 0; row < 21; ++row)
            QCOMPARE(lawList(*window)->itemText(row).toStdString(),
                     catalogue::visibleEntry(catalogue::lawCatalogue[std::size_t(row)]));
        QCOMPARE(lawList(*window)->itemText(0),
                 QStringLiteral("Закон за слепване:   (A ^ B) v (A ^ !B) = A"));
    }

    void hidden_lists_carry_the_catalogue() {
        for (int row = 0; row < 21; ++row) {
            const catalogue::LawRow &law = catalogue::lawCatalogue[std::size_t(row)];
            QCOMPARE(catalogueList(*window, int(1))->itemText(row).toStdString(), law.variableCount);
            QCOMPARE(catalogueList(*window, int(2))->itemText(row).toStdString(), law.name);
            QCOMPARE(catalogueList(*window, int(3))->itemText(row).toStdString(), law.formula);
        }
        for (std::size_t i = 1; i < 4; ++i)
            QVERIFY(catalogueList(*window, int(i))->isHidden());
    }

    void choosing_a_law_shows_its_variables_and_proof_data() {
        QTest::addColumn<int>("row");
        for (int row = 0; row < 21; ++row)
            QTest::newRow(QByteArray("law ").append(QByteArray::number(row + 1))) << row;
    }
    void choosing_a_law_shows_its_variables_and_proof() {
        QFETCH(int, row);
        const catalogue::LawRow &law = catalogue::lawCatalogue[std::size_t(row)];
        clickRow(lawList(*window), row);
        QCOMPARE(lawList(*window)->selectedRow(), row);
        QCOMPARE(visibleVariables(*window), law.variableCount == "3" ? QByteArray("ABC") : QByteArray("AB"));
        QCOMPARE(resultOf(*window), headerOf(row) + proofOf(row, {0, 0, 0}));
    }

    void every_law_and_every_value_through_the_window_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("a");
        QTest::addColumn<int>("b");
        QTest::addColumn<int>("c");
        for (int row = 0; row < 21; ++row) {
            const int count = catalogue::lawCatalogue[std::size_t(row)].variableCount == "3" ? 3 : 2;
            for (const Inputs &in : allInputs(count))
                QTest::newRow(caseName(row, in)) << row << in.A << in.B << in.C;
        }
    }
    void every_law_and_every_value_through_the_window() {
        QFETCH(int, row);
        QFETCH(int, a);
        QFETCH(int, b);
        QFETCH(int, c);
        clickRow(lawList(*window), row);
        const std::array<int, 3> values{a, b, c};
        for (std::size_t i = 0; i < 3; ++i)
            if (shown(valueSelector(*window, int(i))))
                clickRow(valueSelector(*window, int(i)), values[i]);
        QCOMPARE(lawList(*window)->selectedRow(), row);
        QCOMPARE(resultOf(*window), headerOf(row) + proofOf(row, {a, b, c}));
    }

    void changing_a_value_reproves_without_moving_the_law() {
        clickRow(lawList(*window), 4);
        clickRow(valueSelector(*window, 0), 1);
        QCOMPARE(lawList(*window)->selectedRow(), 4);
        QCOMPARE(resultOf(*window), headerOf(4) + proofOf(4, {1, 0, 0}));
        clickRow(valueSelector(*window, 1), 1);
        QCOMPARE(resultOf(*window), headerOf(4) + proofOf(4, {1, 1, 0}));
        QCOMPARE(window->formValues().NotA, 0);
        QCOMPARE(window->formValues().NotB, 0);
    }

    void c_keeps_its_value_while_hidden() {
        clickRow(lawList(*window), 6); // three variables
        clickRow(valueSelector(*window, 2), 1);
        clickRow(lawList(*window), 2); // two variables: C hidden
        QVERIFY(valueSelector(*window, 2)->isHidden());
        QCOMPARE(valueSelector(*window, 2)->selectedRow(), 1);
        QCOMPARE(window->formValues().C, 1.0);
        clickRow(lawList(*window), 7); // three again: C shows its 1
        QVERIFY(shown(valueSelector(*window, 2)));
        QCOMPARE(valueSelector(*window, 2)->selectedRow(), 1);
        QCOMPARE(resultOf(*window), headerOf(7) + proofOf(7, {0, 0, 1}));
    }

    // Another window sets the selection: the lists follow, and each change
    // proves once, as a click would; a click sets the selection.
    void the_lists_and_the_selection_follow_each_other_data() {
        QTest::addColumn<int>("law");
        QTest::addColumn<int>("variable"); // -1: the law only
        QTest::addColumn<int>("proofs");
        QTest::newRow("a new law") << 6 << -1 << 1;
        QTest::newRow("the same law") << 0 << -1 << 0;
        QTest::newRow("a value") << 0 << 1 << 1;
        QTest::newRow("a law and a value") << 7 << 2 << 2;
    }
    void the_lists_and_the_selection_follow_each_other() {
        QFETCH(int, law);
        QFETCH(int, variable);
        LawSelection &selection = *window->selection();
        QSignalSpy proofs(window->Text1[1], &QPlainTextEdit::textChanged);
        selection.setLaw(law);
        if (variable >= 0)
            selection.setValue(variable, true);
        QTEST(int(proofs.count()), "proofs");
        QCOMPARE(lawList(*window)->selectedRow(), law);
        std::array<int, 3> values{};
        if (variable >= 0)
            values[std::size_t(variable)] = 1;
        for (int i = 0; i < 3; ++i)
            QCOMPARE(valueSelector(*window, i)->selectedRow(), values[std::size_t(i)]);
        QCOMPARE(resultOf(*window), headerOf(law) + proofOf(law, {values[0], values[1], values[2]}));

        clickRow(lawList(*window), 3);
        QCOMPARE(selection.law(), 3);
        clickRow(valueSelector(*window, 0), 1);
        QVERIFY(selection.value(0));
    }

    void reproving_unchanged_selections_gives_the_same_text() {
        clickRow(lawList(*window), 12);
        const QByteArray before = resultOf(*window);
        clickRow(lawList(*window), 12);
        clickRow(valueSelector(*window, 1), 0);
        QCOMPARE(resultOf(*window), before);
    }

    void no_click_or_key_clears_a_selection_data() {
        QTest::addColumn<int>("list"); // 0: law list, 1..3: selectors of A, B, C
        QTest::newRow("law list") << 0;
        QTest::newRow("selector of A") << 1;
        QTest::newRow("selector of B") << 2;
    }
    void no_click_or_key_clears_a_selection() {
        QFETCH(int, list);
        ChoiceList *target = list == 0 ? lawList(*window) : valueSelector(*window, list - 1);
        clickRow(target, 1);
        const QByteArray before = resultOf(*window);

        clickRow(target, 1, Qt::ControlModifier);
        QCOMPARE(target->selectedRow(), 1);
        target->setFocus();
        QTest::keyClick(target, Qt::Key_Space, Qt::ControlModifier);
        QCOMPARE(target->selectedRow(), 1);
        // Below the last item of a selector there is empty space.
        const QPoint below(target->viewport()->width() / 2, target->viewport()->height() - 1);
        if (target->row(target->itemAt(below)) < 0)
            QTest::mouseClick(target->viewport(), Qt::LeftButton, Qt::NoModifier, below);
        QCOMPARE(target->selectedRow(), 1);
        QCOMPARE(resultOf(*window), before);
        QVERIFY(!resultOf(*window).startsWith("0: "));
    }

    void keys_move_the_law_selection_and_reprove() {
        lawList(*window)->setFocus();
        QTest::keyClick(lawList(*window), Qt::Key_End);
        QCOMPARE(lawList(*window)->selectedRow(), 20);
        QCOMPARE(resultOf(*window), headerOf(20) + proofOf(20, {0, 0, 0}));
        QTest::keyClick(lawList(*window), Qt::Key_Up);
        QCOMPARE(lawList(*window)->selectedRow(), 19);
        QTest::keyClick(lawList(*window), Qt::Key_Home);
        QCOMPARE(lawList(*window)->selectedRow(), 0);
        QCOMPARE(resultOf(*window), headerOf(0) + proofOf(0, {0, 0, 0}));
    }

    void result_box_shows_clean_lines() {
        clickRow(lawList(*window), 12);
        const QByteArray exact = resultOf(*window);
        QVERIFY(exact.contains("\r\n"));
        const QString shownText = window->Text1[1]->toPlainText();
        QVERIFY(!shownText.contains(QLatin1Char('\r')));
        QCOMPARE(shownText, QString::fromUtf8(exact).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
        QCOMPARE(window->Text1[1]->document()->blockCount(), exact.count("\r\n") + 1);
    }

    void description_is_the_twelve_lines() {
        QString expected;
        for (const char *line : texts::descriptionLines)
            expected += QString::fromUtf8(line) + QLatin1Char('\n');
        QCOMPARE(window->Text1[0]->toPlainText(), expected);
        QVERIFY(window->Text1[0]->toPlainText().startsWith(
            QStringLiteral("Булевата алгебра (алгебра на съжденията)")));
    }

    void text_boxes_are_read_only_but_selectable() {
        for (QPlainTextEdit *box : window->Text1) {
            QVERIFY(box->isReadOnly());
            QVERIFY(box->textInteractionFlags() & Qt::TextSelectableByKeyboard);
            QCOMPARE(box->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
            QCOMPARE(box->lineWrapMode(), QPlainTextEdit::WidgetWidth);
        }
        const QByteArray before = resultOf(*window);
        window->Text1[1]->setFocus();
        QTest::keyClicks(window->Text1[1], QStringLiteral("xyz"));
        QCOMPARE(resultOf(*window), before);
        QCOMPARE(window->Text1[1]->toPlainText(),
                 QString::fromUtf8(before).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    }

    // A student who needs larger text zooms the text boxes: ctrl+wheel and
    // Ctrl+plus/minus change the text's size, never the window's places.
    void text_boxes_zoom_their_text_data() {
        QTest::addColumn<int>("box");
        QTest::addColumn<QString>("input");
        QTest::addColumn<int>("grows"); // +1 larger, -1 smaller
        for (int box : {0, 1}) {
            const char *name = box == 0 ? "description" : "result box";
            QTest::addRow("%s, Ctrl+plus", name) << box << QStringLiteral("plus") << 1;
            QTest::addRow("%s, Ctrl+minus", name) << box << QStringLiteral("minus") << -1;
            QTest::addRow("%s, ctrl+wheel up", name) << box << QStringLiteral("wheel") << 1;
        }
    }
    void text_boxes_zoom_their_text() {
        QFETCH(int, box);
        QFETCH(QString, input);
        QFETCH(int, grows);
        QPlainTextEdit *text = window->Text1[std::size_t(box)];
        const QRect place = text->geometry();
        const QSize windowSize = window->size();
        QCOMPARE(text->font().pointSize(), 12);
        text->setFocus();
        if (input == QLatin1String("plus")) {
            QTest::keyClick(text, Qt::Key_Plus, Qt::ControlModifier);
        } else if (input == QLatin1String("minus")) {
            QTest::keyClick(text, Qt::Key_Minus, Qt::ControlModifier);
        } else {
            const QPoint middle = text->viewport()->rect().center();
            QWheelEvent zoomWheel(middle, text->viewport()->mapToGlobal(middle), QPoint(), QPoint(0, 120),
                                  Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
            QCoreApplication::sendEvent(text->viewport(), &zoomWheel);
        }
        QCOMPARE(text->font().pointSize() > 12 ? 1 : text->font().pointSize() < 12 ? -1 : 0, grows);
        QCOMPARE(text->geometry(), place);
        QCOMPARE(window->size(), windowSize);
        // The other box and the rest of the window keep 12 points.
        QCOMPARE(window->Text1[std::size_t(1 - box)]->font().pointSize(), 12);
        QCOMPARE(lawList(*window)->font().pointSize(), 12);
    }

    void plain_wheel_scrolls_the_description() {
        QPlainTextEdit *text = window->Text1[0];
        const QPoint middle = text->viewport()->rect().center();
        text->verticalScrollBar()->setValue(0);
        QWheelEvent scrollWheel(middle, text->viewport()->mapToGlobal(middle), QPoint(), QPoint(0, -120),
                                Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(text->viewport(), &scrollWheel);
        QVERIFY(text->verticalScrollBar()->value() > 0);
        QCOMPARE(text->font().pointSize(), 12);
    }

    void caption_and_client_area() {
        QCOMPARE(window->windowTitle(),
                 QStringLiteral("https://boolean-laws.example  Теореми и тъждества в булевата алгебра"));
        QCOMPARE(window->size(), QSize(572, 405));
        QCOMPARE(window->minimumSize(), window->maximumSize());
        QVERIFY(!window->windowIcon().isNull());
        QCOMPARE(window->windowIcon().availableSizes().value(0), QSize(32, 32));
    }

    void controls_stand_at_their_places_in_twips_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QRect>("twips");
        QTest::addColumn<QString>("toolTip");
        const QString description = QStringLiteral("Описание на алгоритъма");
        const QString variable = QStringLiteral("Булева променлива");
        const QString value = QStringLiteral("Стойност за булева променлива");
        auto row = [](const char *name, QRect twips, const QString &tip) {
            QTest::newRow(name) << QString::fromLatin1(name) << twips << tip;
        };
        row("Etiket", {600, 120, 6975, 375}, {});
        row("Text1(0)", {120, 600, 8295, 1815}, description);
        row("List1(0)", {120, 2640, 8175, 1200}, QStringLiteral("Tarvisko и тъждества"));
        row("Label1(0)", {120, 3960, 450, 375}, variable);
        row("Label1(1)", {840, 3960, 450, 375}, variable);
        row("Label1(2)", {1560, 3960, 450, 375}, variable);
        row("Bul_Prom(0)", {120, 4320, 450, 630}, value);
        row("Bul_Prom(1)", {840, 4320, 450, 630}, value);
        row("Bul_Prom(2)", {1560, 4320, 450, 630}, value);
        row("Text1(1)", {2160, 3960, 6255, 1935}, description);
        row("List1(1)", {6360, 2880, 855, 2625}, {});
        row("List1(2)", {6720, 1080, 3855, 2625}, {});
        row("List1(3)", {4680, 2520, 855, 2625}, {});
    }
    void controls_stand_at_their_places_in_twips() {
        QFETCH(QString, control);
        QFETCH(QRect, twips);
        QFETCH(QString, toolTip);
        const QWidget *found = window->findChild<QWidget *>(control);
        QVERIFY(found);
        QCOMPARE(found->geometry(),
                 QRect(twips.x() / 15, twips.y() / 15, twips.width() / 15, twips.height() / 15));
        QCOMPARE(found->toolTip(), toolTip);
    }

    void colours_are_painted_as_the_window_sets_them_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("window") << QString() << QColor(0x80, 0x80, 0xFF);
        QTest::newRow("title") << "Etiket" << QColor(0xFF, 0xC0, 0x80);
        QTest::newRow("description") << "Text1(0)" << QColor(0xE0, 0xE0, 0xE0);
        QTest::newRow("result box") << "Text1(1)" << QColor(0xE0, 0xE0, 0xE0);
        QTest::newRow("law list") << "List1(0)" << QColor(Qt::white);
        QTest::newRow("label A") << "Label1(0)" << QColor(0xFF, 0x80, 0x80);
        QTest::newRow("label B") << "Label1(1)" << QColor(0x80, 0xFF, 0x80);
        QTest::newRow("selector A") << "Bul_Prom(0)" << QColor(0xFF, 0x80, 0x80);
        QTest::newRow("selector B") << "Bul_Prom(1)" << QColor(0x80, 0xFF, 0x80);
    }
    void colours_are_painted_as_the_window_sets_them() {
        QFETCH(QString, control);
        QFETCH(QColor, colour);
        const QImage image = window->grab().toImage();
        const qreal scale = image.devicePixelRatio();
        QPoint sample(3, 3);
        if (!control.isEmpty()) {
            const QWidget *found = window->findChild<QWidget *>(control);
            // Bottom left, inside the frame: below or beside any text.
            sample = found->geometry().bottomLeft() + QPoint(5, -5);
        }
        QCOMPARE(image.pixelColor(sample * scale), colour);
    }

    void fonts_are_times_twelve_with_cyrillic() {
        const QFontInfo info(window->font());
        QCOMPARE(window->font().pointSize(), 12);
        QVERIFY2(info.family() == QStringLiteral("Liberation Serif") ||
                     info.family() == QStringLiteral("Times New Roman"),
                 qPrintable(info.family()));
        QVERIFY(window->Etiket->font().bold());
        QVERIFY(QFontMetrics(window->font()).inFont(QChar(0x0416))); // Ж
    }
};

QTEST_MAIN(WindowTest)
#include "window_test.moc"
