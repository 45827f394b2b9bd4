// The law list measures each item once; rows must stand exactly where the
// standard measurement puts them, for every law and whatever the font.

#include "inf_tarvisko.h"
#include "item_size_cache.h"
#include "law_catalogue.h"

#include <QListWidget>
#include <QTest>

namespace {

// A list whose measurement can be compared item by item.
class MeasuredList : public QListWidget {
public:
    QSize measured(int row) {
        QStyleOptionViewItem option;
        initViewItemOption(&option);
        return itemDelegate()->sizeHint(option, indexFromItem(item(row)));
    }
};

} // namespace

class ItemSizeCacheTest : public QObject {
    Q_OBJECT

private slots:
    void remembered_sizes_are_the_measured_ones_data() {
        QTest::addColumn<QFont>("font");
        QFont times(QStringLiteral("Times New Roman"), 12);
        times.setStyleHint(QFont::Serif);
        QFont large = times;
        large.setPointSize(20);
        large.setBold(true);
        QTest::newRow("the window's font") << times;
        QTest::newRow("larger and bold") << large;
    }
    void remembered_sizes_are_the_measured_ones() {
        QFETCH(QFont, font);
        MeasuredList remembering;
        remembering.setItemDelegate(new ItemSizeCache(&remembering));
        MeasuredList standard;
        for (QListWidget *list :
             {static_cast<QListWidget *>(&remembering), static_cast<QListWidget *>(&standard)}) {
            list->setFont(QFont(QStringLiteral("Sans"), 8)); // measured once before the change below
            for (const catalogue::LawRow &law : catalogue::lawCatalogue)
                list->addItem(QString::fromUtf8(catalogue::visibleEntry(law)));
        }
        for (int row = 0; row < remembering.count(); ++row)
            QCOMPARE(remembering.measured(row), standard.measured(row));
        // Rows whose texts repeat or differ keep their own sizes after the
        // font changes, never those remembered for the old font.
        remembering.setFont(font);
        standard.setFont(font);
        for (int row = 0; row < remembering.count(); ++row)
            QCOMPARE(remembering.measured(row), standard.measured(row));
        QVERIFY(remembering.measured(4) != remembering.measured(2)); // NAND's long name against absorption's
    }

    void law_list_rows_stand_where_the_standard_list_puts_them() {
        Inf_Tarvisko window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QListWidget standard(&window);
        standard.setGeometry(window.List1[0]->geometry());
        for (int row = 0; row < window.List1[0]->count(); ++row)
            standard.addItem(window.List1[0]->item(row)->text());
        standard.show();
        for (int row = 0; row < window.List1[0]->count(); ++row)
            QCOMPARE(window.List1[0]->visualItemRect(window.List1[0]->item(row)),
                     standard.visualItemRect(standard.item(row)));
    }
};

QTEST_MAIN(ItemSizeCacheTest)
#include "item_size_cache_test.moc"
