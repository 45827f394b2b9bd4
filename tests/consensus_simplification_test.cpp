// Rows 13 to 16: consensus and simplification.

#include "proof_helpers.h"

#include <QTest>

#include <functional>

using namespace testing;

namespace {

// Consensus (rows 13, 14) uses A, B and C; simplification only A and B.
int variableCountOf(int row) { return row <= 13 ? 3 : 2; }

// Each law's proof with the printed values in the order the value table
// lists them, one row of values per input combination in counting order.
// The simplification tables keep their NotA column ({0}) although the proof
// never prints it.
struct ValueTable {
    int row;
    std::string_view pattern;
    std::vector<std::vector<std::string>> printed;
};

const std::vector<ValueTable> valueTables{
    {12,
     "(A ^ B) v ( !A ^ C) v (B ^ C) = (A ^ B) v (!A ^ C)\r\n"
     "(A ^ B) v ({0} ^ C) v (B ^ C) = (A ^ B) v ({0} ^ C)\r\n"
     "({1}) v ({2}) v ({3}) = ({1}) v ({2})\r\n"
     "{4} = {5}\r\n",
     {{"1", "0", "0", "0", "0", "0"},
      {"1", "0", "1", "0", "1", "1"},
      {"1", "0", "0", "0", "0", "0"},
      {"1", "0", "1", "1", "1", "1"},
      {"0", "0", "0", "0", "0", "0"},
      {"0", "0", "0", "0", "0", "0"},
      {"0", "1", "0", "0", "1", "1"},
      {"0", "1", "0", "1", "1", "1"}}},
    {13,
     "(A v B) ^ ( !A v C) ^ (B v C) = (A v B) ^ (!A v C)\r\n"
     "(A v B) ^ ({0} v C) ^ (B v C) = (A v B) ^ ({0} v C)\r\n"
     "({1}) ^ ({2}) ^ ({3}) = ({1}) ^ ({2})\r\n"
     "{4} = {5}\r\n",
     {{"1", "0", "1", "0", "0", "0"},
      {"1", "0", "1", "1", "0", "0"},
      {"1", "1", "1", "1", "1", "1"},
      {"1", "1", "1", "1", "1", "1"},
      {"0", "1", "0", "0", "0", "0"},
      {"0", "1", "1", "1", "1", "1"},
      {"0", "1", "0", "1", "0", "0"},
      {"0", "1", "1", "1", "1", "1"}}},
    {14,
     "A v (!A ^ B) = A v B\r\nA v {1} = {2}\r\n{3} = {2}\r\n",
     {{"1", "0", "0", "0"}, {"1", "1", "1", "1"}, {"0", "0", "1", "1"}, {"0", "0", "1", "1"}}},
    {15,
     "A ^ (!A v B) = A ^ B\r\nA ^ {1} = {2}\r\n{3} = {2}\r\n",
     {{"1", "1", "0", "0"}, {"1", "1", "0", "0"}, {"0", "0", "0", "0"}, {"0", "1", "1", "1"}}},
};

// The laws as plain Boolean functions of A, B and C, written without the
// provers' value model.
struct Law {
    int row;
    std::function<bool(bool, bool, bool)> left, right;
};

const std::vector<Law> laws{
    {12, [](bool a, bool b, bool c) { return (a && b) || (!a && c) || (b && c); },
     [](bool a, bool b, bool c) { return (a && b) || (!a && c); }},
    {13, [](bool a, bool b, bool c) { return (a || b) && (!a || c) && (b || c); },
     [](bool a, bool b, bool c) { return (a || b) && (!a || c); }},
    {14, [](bool a, bool b, bool) { return a || (!a && b); }, [](bool a, bool b, bool) { return a || b; }},
    {15, [](bool a, bool b, bool) { return a && (!a || b); }, [](bool a, bool b, bool) { return a && b; }},
};

QByteArray joinedLines(std::initializer_list<const char *> lines) {
    QByteArray text;
    for (const char *line : lines)
        text += QByteArray(line) + "\r\n";
    return text;
}

} // namespace

class ConsensusSimplificationTest : public QObject {
    Q_OBJECT

private slots:
    void worked_examples_print_exactly_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("a");
        QTest::addColumn<int>("b");
        QTest::addColumn<int>("c");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("law 13, A=1 B=1 C=0")
            << 12 << 1 << 1 << 0
            << joinedLines({"(1 ^ 1) v ( !1 ^ 0) v (1 ^ 0) = (1 ^ 1) v (!1 ^ 0)",
                            "(1 ^ 1) v (0 ^ 0) v (1 ^ 0) = (1 ^ 1) v (0 ^ 0)", "(1) v (0) v (0) = (1) v (0)",
                            "1 = 1"});
        QTest::newRow("law 14, A=1 B=0 C=1")
            << 13 << 1 << 0 << 1
            << joinedLines({"(1 v 0) ^ ( !1 v 1) ^ (0 v 1) = (1 v 0) ^ (!1 v 1)",
                            "(1 v 0) ^ (0 v 1) ^ (0 v 1) = (1 v 0) ^ (0 v 1)", "(1) ^ (1) ^ (1) = (1) ^ (1)",
                            "1 = 1"});
        // NotA is 1, so the middle term is 1 while both others are 0.
        QTest::newRow("law 14, A=0 B=0 C=0")
            << 13 << 0 << 0 << 0
            << joinedLines({"(0 v 0) ^ ( !0 v 0) ^ (0 v 0) = (0 v 0) ^ (!0 v 0)",
                            "(0 v 0) ^ (1 v 0) ^ (0 v 0) = (0 v 0) ^ (1 v 0)", "(0) ^ (1) ^ (0) = (0) ^ (1)",
                            "0 = 0"});
        QTest::newRow("law 15, A=0 B=1")
            << 14 << 0 << 1 << 0 << joinedLines({"0 v (!0 ^ 1) = 0 v 1", "0 v 1 = 1", "1 = 1"});
        QTest::newRow("law 16, A=0 B=0")
            << 15 << 0 << 0 << 0 << joinedLines({"0 ^ (!0 v 0) = 0 ^ 0", "0 ^ 1 = 0", "0 = 0"});
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
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("a");
        QTest::addColumn<int>("b");
        QTest::addColumn<int>("c");
        QTest::addColumn<QByteArray>("expected");
        for (const ValueTable &table : valueTables) {
            const std::vector<Inputs> inputs = allInputs(variableCountOf(table.row));
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
        // C is not a variable of the simplification laws: whatever it holds
        // changes nothing.
        if (variableCountOf(row) == 2)
            QCOMPARE(proofOf(row, {a, b, 1}), expected);
    }

    void proofs_print_only_digits_and_end_equal_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("a");
        QTest::addColumn<int>("b");
        QTest::addColumn<int>("c");
        for (int row = 12; row <= 15; ++row)
            for (const Inputs &in : allInputs(3))
                QTest::newRow(caseName(row, in)) << row << in.A << in.B << in.C;
    }
    void proofs_print_only_digits_and_end_equal() {
        QFETCH(int, row);
        QFETCH(int, a);
        QFETCH(int, b);
        QFETCH(int, c);
        const QByteArray proof = proofOf(row, {a, b, c});
        // Term values are summed or multiplied internally; neither the sum
        // nor a Boolean ever reaches the text.
        for (const char *never : {"2", "-1", "True", "False"})
            QVERIFY2(!proof.contains(never), never);
        const std::vector<std::string> lines = linesOf(proof);
        QCOMPARE(lines.size(), variableCountOf(row) == 3 ? 4u : 3u);
        QVERIFY2(lines.back() == "0 = 0" || lines.back() == "1 = 1", lines.back().c_str());
    }

    void last_printed_values_are_the_laws_sides_data() {
        QTest::addColumn<int>("law");
        QTest::addColumn<int>("a");
        QTest::addColumn<int>("b");
        QTest::addColumn<int>("c");
        for (std::size_t law = 0; law < laws.size(); ++law)
            for (const Inputs &in : allInputs(variableCountOf(laws[law].row)))
                QTest::newRow(caseName(laws[law].row, in)) << int(law) << in.A << in.B << in.C;
    }
    void last_printed_values_are_the_laws_sides() {
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

QTEST_APPLESS_MAIN(ConsensusSimplificationTest)
#include "consensus_simplification_test.moc"
