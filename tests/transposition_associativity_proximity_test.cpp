// Rows 7 to 12: transposition, associativity and proximity.

#include "proof_helpers.h"

#include <QTest>

#include <functional>

using namespace testing;

namespace {

// Each law's proof with the printed values in the order the value table
// lists them, one row of values per input combination in counting order.
struct ValueTable {
    int row;
    int variableCount;
    std::string_view pattern;
    std::vector<std::vector<std::string>> printed;
};

const std::vector<ValueTable> valueTables{
    // Law7: x1, y1, r1, x2, y2, r2.
    {6,
     3,
     "(A ^ B) v (!A ^ C) = ({0}) v ({1}) = {2}\r\n(A v C) ^ (!A v B) = ({3}) ^ ({4}) = {5}\r\n",
     {{"0", "0", "False", "0", "1", "False"},
      {"0", "1", "True", "1", "1", "True"},
      {"0", "0", "False", "0", "1", "False"},
      {"0", "1", "True", "1", "1", "True"},
      {"0", "0", "False", "1", "0", "False"},
      {"0", "0", "False", "1", "0", "False"},
      {"1", "0", "True", "1", "1", "True"},
      {"1", "0", "True", "1", "1", "True"}}},
    // Law8: x1, y1, r1, x2, y2, r2; note the double blanks " v  !" and " ^  ".
    {7,
     3,
     "(A v  !B) ^ (!A v C) = ({0}) ^ ({1}) = {2}\r\n(A ^  C) v (!B ^ !A) = ({3}) v ({4}) = {5}\r\n",
     {{"1", "1", "True", "0", "1", "True"},
      {"1", "1", "True", "0", "1", "True"},
      {"0", "1", "False", "0", "0", "False"},
      {"0", "1", "False", "0", "0", "False"},
      {"1", "0", "False", "0", "0", "False"},
      {"1", "1", "True", "1", "0", "True"},
      {"1", "0", "False", "0", "0", "False"},
      {"1", "1", "True", "1", "0", "True"}}},
    // Law9: r1, r2; the first line has a blank after its opening bracket.
    {8,
     3,
     "A v ( B v C) = {0}\r\n(A v B) v C = {1}\r\n",
     {{"False", "False"},
      {"True", "True"},
      {"True", "True"},
      {"True", "True"},
      {"True", "True"},
      {"True", "True"},
      {"True", "True"},
      {"True", "True"}}},
    // Law10: r1, r2.
    {9,
     3,
     "A ^ ( B ^ C) = {0}\r\n(A ^ B) ^ C = {1}\r\n",
     {{"False", "False"},
      {"False", "False"},
      {"False", "False"},
      {"False", "False"},
      {"False", "False"},
      {"False", "False"},
      {"False", "False"},
      {"True", "True"}}},
    // Law11: x, y, r.
    {10,
     2,
     "(A ^ B) v (A ^ !B) = A\r\n({0}) v ({1}) = A\r\n{2} = A\r\n",
     {{"0", "0", "False"}, {"0", "0", "False"}, {"0", "1", "True"}, {"1", "0", "True"}}},
    // Law12: x, y, r.
    {11,
     2,
     "(A v B) ^ (A v !B) = A\r\n({0}) ^ ({1}) = A\r\n{2} = A\r\n",
     {{"0", "1", "False"}, {"1", "0", "False"}, {"1", "1", "True"}, {"1", "1", "True"}}},
};

// The laws as plain Boolean functions of A, B and C, written without the
// provers' value model.
struct Law {
    int row;
    int variableCount;
    std::function<bool(bool, bool, bool)> left, right;
};

const std::vector<Law> laws{
    {6, 3, [](bool a, bool b, bool c) { return (a && b) || (!a && c); },
     [](bool a, bool b, bool c) { return (a || c) && (!a || b); }},
    {7, 3, [](bool a, bool b, bool c) { return (a || !b) && (!a || c); },
     [](bool a, bool b, bool c) { return (a && c) || (!b && !a); }},
    {8, 3, [](bool a, bool b, bool c) { return a || (b || c); },
     [](bool a, bool b, bool c) { return (a || b) || c; }},
    {9, 3, [](bool a, bool b, bool c) { return a && (b && c); },
     [](bool a, bool b, bool c) { return (a && b) && c; }},
    {10, 2, [](bool a, bool b, bool) { return (a && b) || (a && !b); }, [](bool a, bool, bool) { return a; }},
    {11, 2, [](bool a, bool b, bool) { return (a || b) && (a || !b); }, [](bool a, bool, bool) { return a; }},
};

void addInputColumns() {
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("a");
    QTest::addColumn<int>("b");
    QTest::addColumn<int>("c");
}

} // namespace

class TranspositionAssociativityProximityTest : public QObject {
    Q_OBJECT

private slots:
    void worked_examples_print_exactly_data() {
        addInputColumns();
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("law 7, A=1 B=0 C=1") << 6 << 1 << 0 << 1
                                            << QByteArray("(1 ^ 0) v (!1 ^ 1) = (0) v (0) = False\r\n"
                                                          "(1 v 1) ^ (!1 v 0) = (1) ^ (0) = False\r\n");
        QTest::newRow("law 7, A=0 B=0 C=0") << 6 << 0 << 0 << 0
                                            << QByteArray("(0 ^ 0) v (!0 ^ 0) = (0) v (0) = False\r\n"
                                                          "(0 v 0) ^ (!0 v 0) = (0) ^ (1) = False\r\n");
        QTest::newRow("law 8, A=0 B=1 C=1") << 7 << 0 << 1 << 1
                                            << QByteArray("(0 v  !1) ^ (!0 v 1) = (0) ^ (1) = False\r\n"
                                                          "(0 ^  1) v (!1 ^ !0) = (0) v (0) = False\r\n");
        QTest::newRow("law 9, A=0 B=1 C=1")
            << 8 << 0 << 1 << 1 << QByteArray("0 v ( 1 v 1) = True\r\n(0 v 1) v 1 = True\r\n");
        QTest::newRow("law 10, A=1 B=1 C=1")
            << 9 << 1 << 1 << 1 << QByteArray("1 ^ ( 1 ^ 1) = True\r\n(1 ^ 1) ^ 1 = True\r\n");
        QTest::newRow("law 11, A=1 B=0")
            << 10 << 1 << 0 << 0 << QByteArray("(1 ^ 0) v (1 ^ !0) = 1\r\n(0) v (1) = 1\r\nTrue = 1\r\n");
        QTest::newRow("law 12, A=0 B=1")
            << 11 << 0 << 1 << 0 << QByteArray("(0 v 1) ^ (0 v !1) = 0\r\n(1) ^ (0) = 0\r\nFalse = 0\r\n");
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
        addInputColumns();
        QTest::addColumn<QByteArray>("expected");
        for (const ValueTable &table : valueTables) {
            const std::vector<Inputs> inputs = allInputs(table.variableCount);
            QCOMPARE(inputs.size(), table.printed.size());
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
    }

    void both_lines_of_rows_7_to_10_end_with_the_same_word_data() {
        addInputColumns();
        for (int row = 6; row <= 9; ++row)
            for (const Inputs &in : allInputs(3))
                QTest::newRow(caseName(row, in)) << row << in.A << in.B << in.C;
    }
    void both_lines_of_rows_7_to_10_end_with_the_same_word() {
        QFETCH(int, row);
        QFETCH(int, a);
        QFETCH(int, b);
        QFETCH(int, c);
        const std::vector<std::string> lines = linesOf(proofOf(row, {a, b, c}));
        QCOMPARE(lines.size(), 2u);
        const std::string first = sidesOf(lines[0]).second;
        const std::string second = sidesOf(lines[1]).second;
        QVERIFY2(first == "True" || first == "False", first.c_str());
        QCOMPARE(second, first);
    }

    void rows_11_and_12_end_true_1_or_false_0_data() {
        addInputColumns();
        for (int row = 10; row <= 11; ++row)
            for (const Inputs &in : allInputs(2))
                QTest::newRow(caseName(row, in)) << row << in.A << in.B << in.C;
    }
    void rows_11_and_12_end_true_1_or_false_0() {
        QFETCH(int, row);
        QFETCH(int, a);
        QFETCH(int, b);
        QFETCH(int, c);
        const std::vector<std::string> lines = linesOf(proofOf(row, {a, b, c}));
        QCOMPARE(lines.size(), 3u);
        const std::string valueOfA = a == 1 ? "1" : "0";
        for (const std::string &line : lines)
            QCOMPARE(sidesOf(line).second, valueOfA);
        QCOMPARE(lines[2], std::string(a == 1 ? "True = 1" : "False = 0"));
    }

    void c_has_no_effect_on_rows_11_and_12_data() {
        addInputColumns();
        for (int row = 10; row <= 11; ++row)
            for (const Inputs &in : allInputs(2))
                QTest::newRow(caseName(row, in)) << row << in.A << in.B << 0;
    }
    void c_has_no_effect_on_rows_11_and_12() {
        QFETCH(int, row);
        QFETCH(int, a);
        QFETCH(int, b);
        QCOMPARE(proofOf(row, {a, b, 1}), proofOf(row, {a, b, 0}));
    }

    void printed_truth_values_are_the_laws_sides_data() {
        QTest::addColumn<int>("law");
        QTest::addColumn<int>("a");
        QTest::addColumn<int>("b");
        QTest::addColumn<int>("c");
        for (std::size_t law = 0; law < laws.size(); ++law)
            for (const Inputs &in : allInputs(laws[law].variableCount))
                QTest::newRow(caseName(laws[law].row, in)) << int(law) << in.A << in.B << in.C;
    }
    void printed_truth_values_are_the_laws_sides() {
        QFETCH(int, law);
        QFETCH(int, a);
        QFETCH(int, b);
        QFETCH(int, c);
        const Law &checked = laws[std::size_t(law)];
        const bool left = checked.left(a, b, c);
        const bool right = checked.right(a, b, c);
        QCOMPARE(left, right);
        const std::vector<std::string> lines = linesOf(proofOf(checked.row, {a, b, c}));
        if (checked.variableCount == 3) {
            // One line per side, each ending with that side's truth value.
            QCOMPARE(lines.size(), 2u);
            QCOMPARE(truthOf(sidesOf(lines[0]).second), left);
            QCOMPARE(truthOf(sidesOf(lines[1]).second), right);
        } else {
            // The last line is the left side's truth value, then the value of A.
            QCOMPARE(lines.size(), 3u);
            const auto [leftWord, rightWord] = sidesOf(lines[2]);
            QCOMPARE(truthOf(leftWord), left);
            QCOMPARE(truthOf(rightWord), right);
        }
    }
};

QTEST_APPLESS_MAIN(TranspositionAssociativityProximityTest)
#include "transposition_associativity_proximity_test.moc"
