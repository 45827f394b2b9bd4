// SPDX-License-Identifier: GPL-3.0-or-later
// The law catalogue and the text-to-number rule that reads its counts.

#include "law_catalogue.h"
#include "text_to_number.h"

#include <QTest>

using catalogue::lawCatalogue;

class CatalogueTest : public QObject {
    Q_OBJECT

private slots:
    void every_row_holds_its_exact_texts_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<QByteArray>("formula");
        QTest::addColumn<QByteArray>("count");
        const char *rows[21][3] = {
            {"Закон за слепване:  ", "(A ^ B) v (A ^ !B) = A", "2"},
            {"Закон за слепване: ", "(A v B) ^ (A v !B) = A   ", "2"},
            {"Закон за поглъщане: ", "A v (A ^ B) = A", "2"},
            {"Закон за поглъщане:", "A ^ (A v B) = A", "2"},
            {"Закон за съкращаване (де Морган) NAND: ", "!(A ^ B)= !A v !B ", "2"},
            {"Закон за съкращаване (де Морган) NOR:  ", "!(A v B) = !A ^ !B  ", "2"},
            {"Закон за преместване: ", "(A ^ B) v (!A ^ C) =  (A v C) ^ (!A v B) ", "3"},
            {"Закон за преместване:  ", "(A v !B) ^ (!A v C)  = (A ^ C v !B ^ !A)  ", "3"},
            {"теореми за асоциативност: ", "A v (B v C) = (A v B) v C", "3"},
            {"теореми за асоциативност: ", "A^ (B ^ C) = (A ^ B) ^ C", "3"},
            {"теореми за близост: ", "(A^ B) v ( A ^ !B)  = A ", "2"},
            {"теореми за близост: ", "(Av B) ^ (A v !B) = A", "2"},
            {"теорема за консенсус:", "(A ^ B) v (!A ^ C) v (B ^ C) = (A ^ B) v (!A ^ C)", "3"},
            {"теорема за консенсус:", "(A v B) ^ (!A v C) ^ (B v C) = (A v B) ^ (!A v C) ", "3"},
            {"теореми на опростяването: ", "A v (!A ^ B) = A v B", "2"},
            {"теореми на опростяването: ", "A ^  (!A v B) = A ^ B", "2"},
            {"диструбитивен закон:  ", "A v (B ^ C) = (A v B) ^ (A v C) ", "3"},
            {"диструбитивен закон:  ", "A ^ (B v C) = (A ^ B) v (A ^ C) ", "3"},
            {"функция Xor - сума по модул 2:", "A Xor B = (A ^ !B) v (!A ^ B)", "2"},
            {"функция импликация, заключение:", "A -> B = !A v B", "2"},
            {"функция еквивалентност, равнозначност:", "A <--> B = (!A)^(!B) v A^B", "2"},
        };
        for (int row = 0; row < 21; ++row)
            QTest::newRow(QByteArray("law ").append(QByteArray::number(row + 1)))
                << row << QByteArray(rows[row][0]) << QByteArray(rows[row][1]) << QByteArray(rows[row][2]);
    }
    void every_row_holds_its_exact_texts() {
        QFETCH(int, row);
        QFETCH(QByteArray, name);
        QFETCH(QByteArray, formula);
        QFETCH(QByteArray, count);
        const catalogue::LawRow &law = lawCatalogue[std::size_t(row)];
        QCOMPARE(QByteArray(law.name.data(), qsizetype(law.name.size())), name);
        QCOMPARE(QByteArray(law.formula.data(), qsizetype(law.formula.size())), formula);
        QCOMPARE(QByteArray(law.variableCount.data(), qsizetype(law.variableCount.size())), count);
        QCOMPARE(QByteArray::fromStdString(catalogue::visibleEntry(law)), name + ' ' + formula);
    }

    void longest_texts_are_as_counted() {
        qsizetype longestName = 0, longestFormula = 0;
        for (const catalogue::LawRow &law : lawCatalogue) {
            longestName =
                std::max(longestName, QString::fromUtf8(law.name.data(), qsizetype(law.name.size())).size());
            longestFormula = std::max(longestFormula, qsizetype(law.formula.size()));
        }
        QCOMPARE(longestName, 39);
        QCOMPARE(longestFormula, 50);
        QCOMPARE(QByteArray::fromStdString(catalogue::visibleEntry(lawCatalogue[0])),
                 QByteArray("Закон за слепване:   (A ^ B) v (A ^ !B) = A"));
    }

    void text_to_number_reads_the_leading_number_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<double>("number");
        QTest::newRow("zero") << QByteArray("0") << 0.0;
        QTest::newRow("one") << QByteArray("1") << 1.0;
        QTest::newRow("count 2") << QByteArray("2") << 2.0;
        QTest::newRow("count 3") << QByteArray("3") << 3.0;
        QTest::newRow("empty text") << QByteArray("") << 0.0;
        QTest::newRow("leading blanks") << QByteArray("   3") << 3.0;
        QTest::newRow("trailing text") << QByteArray("12abc") << 12.0;
        QTest::newRow("no number") << QByteArray("abc") << 0.0;
        QTest::newRow("negative") << QByteArray(" -1") << -1.0;
        QTest::newRow("minus alone") << QByteArray("-") << 0.0;
        QTest::newRow("fraction") << QByteArray("2.5") << 2.5;
    }
    void text_to_number_reads_the_leading_number() {
        QFETCH(QByteArray, text);
        QFETCH(double, number);
        QCOMPARE(catalogue::textToNumber(text.toStdString()), number);
    }
};

QTEST_APPLESS_MAIN(CatalogueTest)
#include "catalogue_test.moc"
