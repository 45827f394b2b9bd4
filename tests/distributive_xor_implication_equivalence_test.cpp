// Rows 17 to 21: the distributive laws, Xor, implication and equivalence.

#include "proof_helpers.h"

#include <QTest>

#include <functional>

using namespace testing;

namespace {

constexpr int firstRow = 16;
constexpr int lastRow = 20;

int variablesOf(int row) { return row <= 17 ? 3 : 2; }

// Each law's proof with the printed values in the order the value table
// lists them, one row of values per input combination in counting order.
struct ValueTable {
    int row;
    std::string_view pattern;
    std::vector<std::vector<std::string>> printed;
};

const std::vector<ValueTable> valueTables{
    {16,
     "A v (B ^ C) = (A v B) ^ (A v C)\r\nA v ({0}) = ({1}) ^ ({2} )\r\n{3} = {4}\r\n",
     {{"0", "0", "0", "0", "0"},
      {"0", "0", "1", "0", "0"},
      {"0", "1", "0", "0", "0"},
      {"1", "1", "1", "1", "1"},
      {"0", "1", "1", "1", "1"},
      {"0", "1", "1", "1", "1"},
      {"0", "1", "1", "1", "1"},
      {"1", "1", "1", "1", "1"}}},
    {17,
     "A ^ (B v C) = (A ^ B) v (A ^ C)\r\nA ^ ({0}) = ({1}) v ({2} )\r\n{3} = {4}\r\n",
     {{"0", "0", "0", "0", "0"},
      {"1", "0", "0", "0", "0"},
      {"1", "0", "0", "0", "0"},
      {"1", "0", "0", "0", "0"},
      {"0", "0", "0", "0", "0"},
      {"1", "0", "1", "1", "1"},
      {"1", "1", "0", "1", "1"},
      {"1", "1", "1", "1", "1"}}},
    {18,
     "A Xor B = (A ^ !B) v (!A ^ B)\r\n{0} = ({1}) v ({2})\r\n{0} = {3}\r\n",
     {{"0", "0", "0", "0"}, {"1", "0", "1", "1"}, {"1", "1", "0", "1"}, {"0", "0", "0", "0"}}},
    {19,
     "A -> B = !A v B\r\n{0} = {1} v {2}\r\n{0} = {3}\r\n",
     {{"1", "1", "0", "1"}, {"1", "1", "1", "1"}, {"0", "0", "0", "0"}, {"1", "0", "1", "1"}}},
    {20,
     "A <--> B = (!A) ^ (!B) v A ^ B\r\n{0} = {1} ^ {2} v {3} ^ {4}\r\n{0} = {5} v {6}\r\n{0} = {7}\r\n",
     {{"1", "1", "1", "0", "0", "1", "0", "1"},
      {"0", "1", "0", "0", "1", "0", "0", "0"},
      {"0", "0", "1", "1", "0", "0", "0", "0"},
      {"1", "0", "0", "1", "1", "0", "1", "1"}}},
};

// The laws as plain Boolean functions of A, B and C, written without the
// provers' value model.
struct Law {
    int row;
    std::function<bool(bool, bool, bool)> left, right;
};

const std::vector<Law> laws{
    {16, [](bool a, bool b, bool c) { return a || (b && c); },
     [](bool a, bool b, bool c) { return (a || b) && (a || c); }},
    {17, [](bool a, bool b, bool c) { return a && (b || c); },
     [](bool a, bool b, bool c) { return (a && b) || (a && c); }},
    {18, [](bool a, bool b, bool) { return a != b; },
     [](bool a, bool b, bool) { return (a && !b) || (!a && b); }},
    {19, [](bool a, bool b, bool) { return !a || b; }, [](bool a, bool b, bool) { return !a || b; }},
    {20, [](bool a, bool b, bool) { return a == b; },
     [](bool a, bool b, bool) { return (!a && !b) || (a && b); }},
};

void addRowInputColumns() {
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("a");
    QTest::addColumn<int>("b");
    QTest::addColumn<int>("c");
}

} // namespace

class DistributiveXorImplicationEquivalenceTest : public QObject {
    Q_OBJECT

private slots:
    void worked_examples_print_exactly_data() {
        addRowInputColumns();
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("law 17, A=0 B=1 C=1")
            << 16 << 0 << 1 << 1
            << QByteArray("0 v (1 ^ 1) = (0 v 1) ^ (0 v 1)\r\n0 v (1) = (1) ^ (1 )\r\n1 = 1\r\n");
        QTest::newRow("law 18, A=1 B=0 C=1")
            << 17 << 1 << 0 << 1
            << QByteArray("1 ^ (0 v 1) = (1 ^ 0) v (1 ^ 1)\r\n1 ^ (1) = (0) v (1 )\r\n1 = 1\r\n");
        QTest::newRow("law 19, A=1 B=0")
            << 18 << 1 << 0 << 0 << QByteArray("1 Xor 0 = (1 ^ !0) v (!1 ^ 0)\r\n1 = (1) v (0)\r\n1 = 1\r\n");
        QTest::newRow("law 20, A=1 B=0")
            << 19 << 1 << 0 << 0 << QByteArray("1 -> 0 = !1 v 0\r\n0 = 0 v 0\r\n0 = 0\r\n");
        QTest::newRow("law 20, A=1 B=1")
            << 19 << 1 << 1 << 0 << QByteArray("1 -> 1 = !1 v 1\r\n1 = 0 v 1\r\n1 = 1\r\n");
        QTest::newRow("law 21, A=0 B=0")
            << 20 << 0 << 0 << 0
            << QByteArray("0 <--> 0 = (!0) ^ (!0) v 0 ^ 0\r\n1 = 1 ^ 1 v 0 ^ 0\r\n1 = 1 v 0\r\n1 = 1\r\n");
    }
    void worked_examples_print_exactly() {
        QFETCH(int, row);
        QFETCH(int, a);
        QFETCH(int, b);
        QFETCH(int, c);
        QFETCH(QByteArray, expected);
        QCOMPARE(proofOf(row, {a, b, c}), expected);
    }

    void every_input_prints_the_value_table_data() {
        addRowInputColumns();
        QTest::addColumn<QByteArray>("expected");
        for (const ValueTable &table : valueTables) {
            const std::vector<Inputs> inputs = allInputs(variablesOf(table.row));
            for (std::size_t i = 0; i < inputs.size(); ++i)
                QTest::newRow(caseName(table.row, inputs[i]))
                    << table.row << inputs[i].A << inputs[i].B << inputs[i].C
                    << fromPattern(table.pattern, inputs[i], table.printed[i]);
        }
    }
    void every_input_prints_the_value_table() {
        QFETCH(int, row);
        QFETCH(int, a);
        QFETCH(int, b);
        QFETCH(int, c);
        QFETCH(QByteArray, expected);
        QCOMPARE(proofOf(row, {a, b, c}), expected);
        // Xor, implication and equivalence never read C: the value it keeps
        // from a three-variable law changes nothing.
        if (variablesOf(row) == 2)
            QCOMPARE(proofOf(row, {a, b, 1}), expected);
    }

    void proofs_print_only_zeros_and_ones_and_end_balanced_data() {
        addRowInputColumns();
        for (int row = firstRow; row <= lastRow; ++row)
            for (const Inputs &in : allInputs(variablesOf(row)))
                QTest::newRow(caseName(row, in)) << row << in.A << in.B << in.C;
    }
    void proofs_print_only_zeros_and_ones_and_end_balanced() {
        QFETCH(int, row);
        QFETCH(int, a);
        QFETCH(int, b);
        QFETCH(int, c);
        const QByteArray proof = proofOf(row, {a, b, c});
        // Some inner sums reach 2 and an inner Or can give -1; none of them,
        // and no Boolean, may reach the text.
        for (const char *forbidden : {"True", "False", "2", "-1"})
            QVERIFY2(!proof.contains(forbidden), forbidden);
        const std::vector<std::string> lines = linesOf(proof);
        QCOMPARE(lines.size(), row == lastRow ? 4u : 3u);
        QVERIFY2(lines.back() == "0 = 0" || lines.back() == "1 = 1", lines.back().c_str());
    }

    void last_line_gives_the_laws_sides_data() {
        QTest::addColumn<int>("law");
        QTest::addColumn<int>("a");
        QTest::addColumn<int>("b");
        QTest::addColumn<int>("c");
        for (std::size_t law = 0; law < laws.size(); ++law)
            for (const Inputs &in : allInputs(variablesOf(laws[law].row)))
                QTest::newRow(caseName(laws[law].row, in)) << int(law) << in.A << in.B << in.C;
    }
    void last_line_gives_the_laws_sides() {
        QFETCH(int, law);
        QFETCH(int, a);
        QFETCH(int, b);
        QFETCH(int, c);
        const Law &checked = laws[std::size_t(law)];
        const std::vector<std::string> lines = linesOf(proofOf(checked.row, {a, b, c}));
        QVERIFY(!lines.empty());
        const auto [left, right] = sidesOf(lines.back());
        QCOMPARE(truthOf(left), checked.left(a, b, c));
        QCOMPARE(truthOf(right), checked.right(a, b, c));
    }
};

QTEST_APPLESS_MAIN(DistributiveXorImplicationEquivalenceTest)
#include "distributive_xor_implication_equivalence_test.moc"
