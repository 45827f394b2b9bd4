// Rows 1 to 6: gluing, absorption and De Morgan.

#include "proof_helpers.h"

#include <QTest>

#include <functional>

using namespace testing;

namespace {

// Each law's proof with the printed values in the order the value table
// lists them, one row of values per input combination in counting order.
struct ValueTable {
    int row;
    std::string_view pattern;
    std::vector<std::vector<std::string>> printed;
};

const std::vector<ValueTable> valueTables{
    {0,
     " (A ^ B) v (A ^ !B) = {0} v {1} = {2}\r\n",
     {{"0", "0", "False"}, {"0", "0", "False"}, {"0", "1", "True"}, {"1", "0", "True"}}},
    {1,
     " (A v B) ^ (A v !B) =  ({0}) ^ ({1}) = {2}\r\n",
     {{"0", "1", "False"}, {"1", "0", "False"}, {"1", "1", "True"}, {"1", "1", "True"}}},
    {2, "A v (A ^ B) = A v {0} = {1}\r\n", {{"0", "False"}, {"0", "False"}, {"0", "True"}, {"1", "True"}}},
    {3, "A ^ (A v B) = A ^ {0} = {1}\r\n", {{"0", "False"}, {"1", "False"}, {"1", "True"}, {"1", "True"}}},
    {4,
     "!(A ^ B) = !A v !B\r\n!{0} = {1} v {2}\r\n{3} = {4}\r\n",
     {{"0", "1", "1", "True", "True"},
      {"0", "1", "0", "True", "True"},
      {"0", "0", "1", "True", "True"},
      {"1", "0", "0", "False", "False"}}},
    {5,
     "!(A v B) = !A ^ !B\r\n!{0} = {1} ^ {2}\r\n{3} = {4}\r\n",
     {{"0", "1", "1", "True", "True"},
      {"1", "1", "0", "False", "False"},
      {"1", "0", "1", "False", "False"},
      {"1", "0", "0", "False", "False"}}},
};

// The laws as plain Boolean functions of A and B, written without the
// provers' value model.
struct Law {
    int row;
    std::function<bool(bool, bool)> left, right;
};

const std::vector<Law> laws{
    {0, [](bool a, bool b) { return (a && b) || (a && !b); }, [](bool a, bool) { return a; }},
    {1, [](bool a, bool b) { return (a || b) && (a || !b); }, [](bool a, bool) { return a; }},
    {2, [](bool a, bool b) { return a || (a && b); }, [](bool a, bool) { return a; }},
    {3, [](bool a, bool b) { return a && (a || b); }, [](bool a, bool) { return a; }},
    {4, [](bool a, bool b) { return !(a && b); }, [](bool a, bool b) { return !a || !b; }},
    {5, [](bool a, bool b) { return !(a || b); }, [](bool a, bool b) { return !a && !b; }},
};

} // namespace

class GluingAbsorptionDeMorganTest : public QObject {
    Q_OBJECT

private slots:
    void worked_examples_print_exactly_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("a");
        QTest::addColumn<int>("b");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("law 1, A=1 B=0")
            << 0 << 1 << 0 << QByteArray(" (1 ^ 0) v (1 ^ !0) = 0 v 1 = True\r\n");
        QTest::newRow("law 2, A=0 B=1")
            << 1 << 0 << 1 << QByteArray(" (0 v 1) ^ (0 v !1) =  (1) ^ (0) = False\r\n");
        QTest::newRow("law 3, A=1 B=0") << 2 << 1 << 0 << QByteArray("1 v (1 ^ 0) = 1 v 0 = True\r\n");
        QTest::newRow("law 4, A=0 B=1") << 3 << 0 << 1 << QByteArray("0 ^ (0 v 1) = 0 ^ 1 = False\r\n");
        QTest::newRow("law 5, A=1 B=0")
            << 4 << 1 << 0 << QByteArray("!(1 ^ 0) = !1 v !0\r\n!0 = 0 v 1\r\nTrue = True\r\n");
        QTest::newRow("law 6, A=0 B=0")
            << 5 << 0 << 0 << QByteArray("!(0 v 0) = !0 ^ !0\r\n!0 = 1 ^ 1\r\nTrue = True\r\n");
        QTest::newRow("law 6, A=1 B=1")
            << 5 << 1 << 1 << QByteArray("!(1 v 1) = !1 ^ !1\r\n!1 = 0 ^ 0\r\nFalse = False\r\n");
    }
    void worked_examples_print_exactly() {
        QFETCH(int, row);
        QFETCH(int, a);
        QFETCH(int, b);
        QFETCH(QByteArray, expected);
        QCOMPARE(proofOf(row, {a, b, 0}), expected);
    }

    void every_input_prints_the_value_table_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("a");
        QTest::addColumn<int>("b");
        QTest::addColumn<QByteArray>("expected");
        for (const ValueTable &table : valueTables) {
            const std::vector<Inputs> inputs = allInputs(2);
            for (std::size_t i = 0; i < inputs.size(); ++i)
                QTest::newRow(caseName(table.row, inputs[i]))
                    << table.row << inputs[i].A << inputs[i].B
                    << fromPattern(table.pattern, inputs[i], table.printed[i]);
        }
    }
    void every_input_prints_the_value_table() {
        QFETCH(int, row);
        QFETCH(int, a);
        QFETCH(int, b);
        QFETCH(QByteArray, expected);
        QCOMPARE(proofOf(row, {a, b, 0}), expected);
        // C is not a variable of these laws: whatever it holds changes nothing.
        QCOMPARE(proofOf(row, {a, b, 1}), expected);
    }

    void last_printed_truth_values_are_the_laws_sides_data() {
        QTest::addColumn<int>("law");
        QTest::addColumn<int>("a");
        QTest::addColumn<int>("b");
        for (std::size_t law = 0; law < laws.size(); ++law)
            for (const Inputs &in : allInputs(2))
                QTest::newRow(caseName(laws[law].row, in)) << int(law) << in.A << in.B;
    }
    void last_printed_truth_values_are_the_laws_sides() {
        QFETCH(int, law);
        QFETCH(int, a);
        QFETCH(int, b);
        const Law &checked = laws[std::size_t(law)];
        const std::vector<std::string> lines = linesOf(proofOf(checked.row, {a, b, 0}));
        QVERIFY(!lines.empty());
        const auto [left, right] = sidesOf(lines.back());
        if (checked.row <= 3) {
            // Gluing and absorption print only the left side's value; the law
            // holds when it is the value of A.
            QCOMPARE(lines.size(), 1u);
            QCOMPARE(truthOf(right), checked.left(a, b));
            QCOMPARE(checked.left(a, b), checked.right(a, b));
        } else {
            QCOMPARE(lines.size(), 3u);
            QCOMPARE(truthOf(left), checked.left(a, b));
            QCOMPARE(truthOf(right), checked.right(a, b));
        }
    }
};

QTEST_APPLESS_MAIN(GluingAbsorptionDeMorganTest)
#include "gluing_absorption_de_morgan_test.moc"
