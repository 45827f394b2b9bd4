// The window's lists are drawn by the program; each must stand, scroll and
// look exactly as Qt's standard list with the same rows would, in every state
// a user can bring it to.

#include "inf_tarvisko.h"

#include <QApplication>
#include <QImage>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>

namespace {

// A standard list in the same place, with the same font, colours and rows.
QListWidget *standardTwin(const ListBox *list) {
    auto *twin = new QListWidget(list->parentWidget());
    twin->setGeometry(list->geometry());
    twin->setPalette(list->palette());
    twin->setAutoFillBackground(list->autoFillBackground());
    twin->setFont(list->font());
    twin->setSelectionMode(QAbstractItemView::SingleSelection);
    twin->setHorizontalScrollBarPolicy(list->horizontalScrollBarPolicy());
    twin->setVerticalScrollBarPolicy(list->verticalScrollBarPolicy());
    for (int row = 0; row < list->count(); ++row)
        twin->addItem(list->itemText(row));
    twin->setCurrentRow(list->selectedRow());
    return twin;
}

QImage picture(QWidget *widget) { return widget->grab().toImage().convertToFormat(QImage::Format_RGB32); }

// Current row, selected row and first row shown.
QString stateOf(const ListBox *list) {
    return QStringLiteral("%1 %2 %3")
        .arg(list->currentRow())
        .arg(list->selectedRow())
        .arg(list->verticalScrollBar()->value());
}
QString stateOf(const QListWidget *list) {
    const QList<QListWidgetItem *> selected = list->selectedItems();
    return QStringLiteral("%1 %2 %3")
        .arg(list->currentRow())
        .arg(selected.isEmpty() ? -1 : list->row(selected.first()))
        .arg(list->verticalScrollBar()->value());
}

int rowHeightOf(const ListBox *list) { return list->visualRowRect(0).height(); }
int rowHeightOf(const QListWidget *list) { return list->visualItemRect(list->item(0)).height(); }

// Gives one list of a window real input through the window, a step at a
// time, and notes its state after each: p press, m move, r release (with
// the left button, at the row the digits after it name, counted from the
// top of the viewport, 9 meaning just below it), c click, x double click, b
// click with the right button, w wait 700 ms, d down, u up, n page down, g
// page up, e end, h home, s space.
template <class List> QStringList drive(QWidget *window, List *list, const QString &steps) {
    QWindow *handle = window->windowHandle();
    const int height = list->viewport()->height();
    QStringList states;
    for (qsizetype i = 0; i < steps.size(); ++i) {
        const QChar step = steps.at(i);
        auto at = [&] {
            const int slot = steps.at(++i).digitValue();
            const int rowHeight = rowHeightOf(list);
            const int y = slot == 9 ? height + 6 : slot * rowHeight + rowHeight / 2;
            return list->viewport()->mapTo(window, QPoint(40, y));
        };
        switch (step.unicode()) {
        case 'p':
            QTest::mousePress(handle, Qt::LeftButton, {}, at());
            break;
        case 'm':
            QTest::mouseMove(handle, at());
            break;
        case 'r':
            QTest::mouseRelease(handle, Qt::LeftButton, {}, at());
            break;
        case 'c':
            QTest::mouseClick(handle, Qt::LeftButton, {}, at());
            break;
        case 'x':
            QTest::mouseDClick(handle, Qt::LeftButton, {}, at());
            break;
        case 'b':
            QTest::mouseClick(handle, Qt::RightButton, {}, at());
            break;
        case 'w':
            QTest::qWait(700);
            break;
        default: {
            static const QHash<QChar, Qt::Key> keys{
                {u'd', Qt::Key_Down}, {u'u', Qt::Key_Up},   {u'n', Qt::Key_PageDown}, {u'g', Qt::Key_PageUp},
                {u'e', Qt::Key_End},  {u'h', Qt::Key_Home}, {u's', Qt::Key_Space}};
            QTest::keyClick(handle, keys.value(step), {});
        }
        }
        states << QStringLiteral("%1: %2").arg(step).arg(stateOf(list));
    }
    return states;
}

} // namespace

class ListBoxTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Inf_Tarvisko> window;

    ListBox *listNamed(const QString &name) const { return window->findChild<ListBox *>(name); }

private slots:
    void init() {
        window = std::make_unique<Inf_Tarvisko>();
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }
    void cleanup() { window.reset(); }

    void rows_and_scroll_ranges_match_the_standard_list_data() {
        QTest::addColumn<QString>("list");
        QTest::newRow("law list") << "List1(0)";
        QTest::newRow("selector") << "Bul_Prom(0)";
    }
    void rows_and_scroll_ranges_match_the_standard_list() {
        QFETCH(QString, list);
        ListBox *ours = listNamed(list);
        QListWidget *twin = standardTwin(ours);
        twin->show();
        QVERIFY(QTest::qWaitForWindowExposed(twin));
        // The list measures one row for all; each must still stand where a
        // list measuring every row puts it, scrolled or not.
        for (const bool toEnd : {false, true}) {
            if (toEnd) {
                ours->verticalScrollBar()->setValue(ours->verticalScrollBar()->maximum());
                twin->verticalScrollBar()->setValue(twin->verticalScrollBar()->maximum());
            }
            for (int row = 0; row < ours->count(); ++row)
                QCOMPARE(ours->visualRowRect(row), twin->visualItemRect(twin->item(row)));
        }
        for (QScrollBar *(QAbstractScrollArea::*bar)() const :
             {&QAbstractScrollArea::verticalScrollBar, &QAbstractScrollArea::horizontalScrollBar}) {
            QCOMPARE((ours->*bar)()->maximum(), (twin->*bar)()->maximum());
            QCOMPARE((ours->*bar)()->pageStep(), (twin->*bar)()->pageStep());
            QCOMPARE((ours->*bar)()->isVisible(), (twin->*bar)()->isVisible());
        }
    }

    // Clicks, drags, double clicks and keys through the window leave the
    // list's current row, selection and scrolling as they leave a standard
    // list's.
    void answers_as_the_standard_list_data() {
        QTest::addColumn<QString>("steps");
        QTest::newRow("clicks and the delayed scroll of a half-shown row") << "c1c4wc0";
        QTest::newRow("a double click stays where it is") << "c4wx4w";
        QTest::newRow("a drag down past the last row shown") << "p0m2m4m9wm3r3w";
        QTest::newRow("a drag back up") << "c4wp3m1m0r0";
        QTest::newRow("the right button chooses too") << "b2w";
        QTest::newRow("page keys") << "c0nnngguee";
        QTest::newRow("arrows, home, end and space") << "c0dddueshd";
    }
    void answers_as_the_standard_list() {
        QFETCH(QString, steps);
        auto measure = [&](auto *list, QWidget *window) {
            list->setGeometry(8, 8, 545, 80);
            for (int row = 0; row < 21; ++row)
                list->addItem(QStringLiteral("row %1").arg(row));
            list->setCurrentRow(0);
            window->show();
            window->activateWindow();
            if (!QTest::qWaitForWindowActive(window))
                return QStringList{QStringLiteral("window not active")};
            list->setFocus();
            return drive(window, list, steps);
        };
        QWidget oursWindow;
        oursWindow.resize(570, 100);
        const QStringList ours = measure(new ListBox(&oursWindow), &oursWindow);
        oursWindow.hide();
        QWidget standardWindow;
        standardWindow.resize(570, 100);
        auto *standard = new QListWidget(&standardWindow);
        standard->setSelectionMode(QAbstractItemView::SingleSelection);
        QCOMPARE(ours, measure(standard, &standardWindow));
    }

    // The standard list, released below its rows after a drag, selects a row
    // out of sight and leaves the focus frame on the row dragged onto; this
    // list keeps the row dragged onto both chosen and shown.
    void releasing_below_the_rows_keeps_the_row_dragged_onto() {
        QWidget window;
        window.resize(570, 100);
        auto *list = new ListBox(&window);
        list->setGeometry(8, 8, 545, 80);
        for (int row = 0; row < 21; ++row)
            list->addItem(QStringLiteral("row %1").arg(row));
        list->setCurrentRow(0);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        const QStringList states = drive(&window, list, QStringLiteral("p0m2m9wr9w"));
        QCOMPARE(list->selectedRow(), list->currentRow());
        QVERIFY2(list->viewport()->rect().contains(list->visualRowRect(list->selectedRow())),
                 qPrintable(states.join(QStringLiteral(", "))));
    }

    // The same keys, clicks and focus changes given to the list and to a
    // standard list must leave the two pictures identical.
    void draws_as_the_standard_list_data() {
        QTest::addColumn<QString>("list");
        QTest::addColumn<QString>("steps");
        // Steps: t tab into the list (a keyboard focus change), d down,
        // u ctrl+up (moves the focus frame off the selected row), e end,
        // h home, s space, c a click on the second visible row, w the window
        // loses its activation, o the focus leaves.
        QTest::newRow("law list, untouched") << "List1(0)"
                                             << "";
        QTest::newRow("law list, keyboard focus") << "List1(0)"
                                                  << "t";
        QTest::newRow("law list, down to the fifth row") << "List1(0)"
                                                         << "tdddd";
        QTest::newRow("law list, to the end") << "List1(0)"
                                              << "te";
        QTest::newRow("law list, focus frame apart from the selection") << "List1(0)"
                                                                        << "tddu";
        QTest::newRow("law list, chosen with space") << "List1(0)"
                                                     << "tddus";
        QTest::newRow("law list, clicked") << "List1(0)"
                                           << "c";
        QTest::newRow("law list, focus gone") << "List1(0)"
                                              << "tddo";
        QTest::newRow("law list, window inactive") << "List1(0)"
                                                   << "tdw";
        QTest::newRow("selector, keyboard focus") << "Bul_Prom(1)"
                                                  << "td";
        QTest::newRow("selector, focus frame apart") << "Bul_Prom(1)"
                                                     << "tdu";
        QTest::newRow("selector, clicked") << "Bul_Prom(1)"
                                           << "c";
    }
    void draws_as_the_standard_list() {
        QFETCH(QString, list);
        QFETCH(QString, steps);
        ListBox *ours = listNamed(list);
        // A desktop theme may mark the selection of an unfocused list in
        // another colour; so does this test, so that the two must agree on it.
        QPalette palette = ours->palette();
        palette.setColor(QPalette::Inactive, QPalette::Highlight, QColor(0x90, 0x90, 0x90));
        ours->setPalette(palette);
        QListWidget *twin = standardTwin(ours);
        twin->show();
        QVERIFY(QTest::qWaitForWindowExposed(twin));
        QWidget elsewhere;

        auto drive = [&](QAbstractScrollArea *target) {
            for (const QChar step : steps) {
                switch (step.unicode()) {
                case 't':
                    target->setFocus(Qt::TabFocusReason);
                    window->setAttribute(Qt::WA_KeyboardFocusChange);
                    break;
                case 'd':
                    QTest::keyClick(target, Qt::Key_Down);
                    break;
                case 'u':
                    QTest::keyClick(target, Qt::Key_Up, Qt::ControlModifier);
                    break;
                case 'e':
                    QTest::keyClick(target, Qt::Key_End);
                    break;
                case 'h':
                    QTest::keyClick(target, Qt::Key_Home);
                    break;
                case 's':
                    QTest::keyClick(target, Qt::Key_Space);
                    break;
                case 'c': {
                    const int height = target == ours ? ours->visualRowRect(0).height()
                                                      : twin->visualItemRect(twin->item(0)).height();
                    QTest::mouseClick(target->viewport(), Qt::LeftButton, {},
                                      QPoint(10, height + height / 2));
                    break;
                }
                case 'w':
                    elsewhere.show();
                    elsewhere.activateWindow();
                    QTRY_VERIFY(!window->isActiveWindow());
                    break;
                case 'o':
                    window->Text1[1]->setFocus(Qt::TabFocusReason);
                    break;
                }
            }
            QApplication::processEvents();
        };
        auto reset = [&] {
            elsewhere.hide();
            window->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(window.get()));
            window->Text1[1]->setFocus(Qt::OtherFocusReason);
            window->setAttribute(Qt::WA_KeyboardFocusChange, false);
        };

        twin->hide();
        drive(ours);
        const QImage ourPicture = picture(ours);
        reset();
        ours->hide();
        twin->show();
        drive(twin);
        const QImage standard = picture(twin);
        QCOMPARE(ourPicture.size(), standard.size());
        QVERIFY2(ourPicture == standard, qPrintable(QStringLiteral("%1 after \"%2\"").arg(list, steps)));
    }

    // Rows the window never shows: cut short, right to left, disabled, with
    // the focus frame; each drawn as the standard list draws it. (The list
    // scrolls sideways from the left only: the window is laid out left to
    // right in every language it speaks.)
    void draws_any_row_as_the_standard_list_data() {
        QTest::addColumn<int>("width");
        QTest::addColumn<Qt::LayoutDirection>("direction");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<bool>("focused");
        QTest::newRow("rows cut short") << 120 << Qt::LeftToRight << true << false;
        QTest::newRow("rows cut short, focused") << 120 << Qt::LeftToRight << true << true;
        QTest::newRow("rows cut short, disabled") << 120 << Qt::LeftToRight << false << false;
        QTest::newRow("right to left") << 280 << Qt::RightToLeft << true << false;
        QTest::newRow("right to left, focused") << 280 << Qt::RightToLeft << true << true;
    }
    void draws_any_row_as_the_standard_list() {
        QFETCH(int, width);
        QFETCH(Qt::LayoutDirection, direction);
        QFETCH(bool, enabled);
        QFETCH(bool, focused);
        QWidget host;
        host.setFont(window->font());
        host.setLayoutDirection(direction);
        host.resize(300, 200);
        auto *ours = new ListBox(&host);
        ours->setGeometry(10, 10, width, 150);
        // The last row is measured for all, so the first is cut short with
        // an ellipsis; then one that fits and an empty one.
        for (const char *row : {"Закон за слепване и поглъщане, дълъг", "A", "", "Закон за слепване"})
            ours->addItem(QString::fromUtf8(row));
        ours->setCurrentRow(1);
        ours->setEnabled(enabled);
        QListWidget *twin = standardTwin(ours);
        twin->setUniformItemSizes(true); // measuring the last row too
        twin->setEnabled(enabled);
        auto *elsewhere = new QPlainTextEdit(&host);
        elsewhere->setGeometry(10, 165, 100, 30);
        host.show();
        host.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&host));
        auto pictureOf = [&](QAbstractScrollArea *list) {
            if (focused) {
                list->setFocus(Qt::TabFocusReason);
                host.setAttribute(Qt::WA_KeyboardFocusChange);
            } else {
                elsewhere->setFocus();
            }
            list->horizontalScrollBar()->setValue(0);
            QApplication::processEvents();
            return picture(list);
        };
        twin->hide();
        const QImage ourPicture = pictureOf(ours);
        ours->hide();
        twin->show();
        const QImage standard = pictureOf(twin);
        QVERIFY(ourPicture == standard);
    }
};

QTEST_MAIN(ListBoxTest)
#include "list_box_test.moc"
