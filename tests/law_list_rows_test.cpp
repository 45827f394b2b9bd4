// The law list measures one row for all of them; every row must still stand
// exactly where a list that measures each of its rows puts it.

#include "inf_tarvisko.h"

#include <QListWidget>
#include <QScrollBar>
#include <QTest>

class LawListRowsTest : public QObject {
    Q_OBJECT

private slots:
    void rows_stand_where_a_list_measuring_each_row_puts_them() {
        Inf_Tarvisko window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QListWidget measuringEach(&window);
        measuringEach.setGeometry(window.List1[0]->geometry());
        for (int row = 0; row < window.List1[0]->count(); ++row)
            measuringEach.addItem(window.List1[0]->item(row)->text());
        measuringEach.show();
        QVERIFY(!measuringEach.uniformItemSizes());
        for (int row = 0; row < window.List1[0]->count(); ++row)
            QCOMPARE(window.List1[0]->visualItemRect(window.List1[0]->item(row)),
                     measuringEach.visualItemRect(measuringEach.item(row)));
        // Nothing to scroll sideways either way.
        QCOMPARE(window.List1[0]->horizontalScrollBar()->maximum(),
                 measuringEach.horizontalScrollBar()->maximum());
    }
};

QTEST_MAIN(LawListRowsTest)
#include "law_list_rows_test.moc"
