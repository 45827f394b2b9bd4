// SPDX-License-Identifier: GPL-3.0-or-later
// How the provers' values combine and print.

#include "value.h"

#include <QTest>

#include <cmath>
#include <limits>

using namespace provers;

namespace {
QByteArray text(Number n) { return QByteArray::fromStdString(textForm(n)); }
QByteArray text(Boolean b) { return QByteArray::fromStdString(textForm(b)); }
// The kind of a value shows in how it prints, so the table compares texts.
template <class Value> QByteArray kindAndText(Value value) {
    return (std::is_same_v<Value, Boolean> ? QByteArray("Boolean ") : QByteArray("Number ")) + text(value);
}
const Number zero{0}, one{1};
} // namespace

class ValueModelTest : public QObject {
    Q_OBJECT

private slots:
    void operators_give_the_kind_and_value_of_their_result_data() {
        QTest::addColumn<QByteArray>("actual");
        QTest::addColumn<QByteArray>("expected");
        auto row = [](const char *name, QByteArray actual, const char *expected) {
            QTest::newRow(name) << actual << QByteArray(expected);
        };
        row("1 And 0", kindAndText(And(one, zero)), "Number 0");
        row("1 And 1", kindAndText(And(one, one)), "Number 1");
        row("0 Or 1", kindAndText(Or(zero, one)), "Number 1");
        row("1 Xor 1", kindAndText(Xor(one, one)), "Number 0");
        row("1 Xor 0", kindAndText(Xor(one, zero)), "Number 1");
        row("True And True", kindAndText(And(True, True)), "Boolean True");
        row("True And False", kindAndText(And(True, False)), "Boolean False");
        row("False Or True", kindAndText(Or(False, True)), "Boolean True");
        row("True Xor True", kindAndText(Xor(True, True)), "Boolean False");
        row("1 And True is bitwise with -1", kindAndText(And(one, True)), "Number 1");
        row("0 Or True is -1", kindAndText(Or(zero, True)), "Number -1");
        row("1 Or True is -1", kindAndText(Or(one, True)), "Number -1");
        row("True Xor 1 is -2", kindAndText(Xor(True, one)), "Number -2");
        row("False Or 1", kindAndText(Or(False, one)), "Number 1");
        row("0.5 rounds to even 0", kindAndText(And(Number{0.5}, one)), "Number 0");
        row("1.5 rounds to even 2", kindAndText(Or(Number{1.5}, zero)), "Number 2");
        row("True + True", kindAndText(True + True), "Number -2");
        row("1 + True", kindAndText(one + True), "Number 0");
        row("1 + 1", kindAndText(one + one), "Number 2");
        row("0 - 1", kindAndText(zero - one), "Number -1");
        row("1 * True", kindAndText(one * True), "Number -1");
        row("0 * -1 prints without sign", kindAndText(zero * Number{-1}), "Number 0");
        row("0 = False", kindAndText(Equal(zero, False)), "Boolean True");
        row("1 = False", kindAndText(Equal(one, False)), "Boolean False");
        row("-1 = True", kindAndText(Equal(Number{-1}, True)), "Boolean True");
        row("1 = True", kindAndText(Equal(one, True)), "Boolean False");
        row("1 <> False", kindAndText(NotEqual(one, False)), "Boolean True");
        row("0 <> False", kindAndText(NotEqual(zero, False)), "Boolean False");
        row("True < 1", kindAndText(Less(True, one)), "Boolean True");
        row("0 < 1", kindAndText(Less(zero, one)), "Boolean True");
        row("1 > 0", kindAndText(Greater(one, zero)), "Boolean True");
        row("2 > 2", kindAndText(Greater(Number{2}, Number{2})), "Boolean False");
        row("CBool 0", kindAndText(CBool(zero)), "Boolean False");
        row("CBool 1", kindAndText(CBool(one)), "Boolean True");
        row("CBool -1", kindAndText(CBool(Number{-1})), "Boolean True");
        row("CBool True", kindAndText(CBool(True)), "Boolean True");
        row("Not True", kindAndText(Not(True)), "Boolean False");
        row("Not False", kindAndText(Not(False)), "Boolean True");
        row("0 if True, else 1", kindAndText(conditional(True, 0, 1)), "Number 0");
        row("0 if False, else 1", kindAndText(conditional(False, 0, 1)), "Number 1");
    }
    void operators_give_the_kind_and_value_of_their_result() {
        QFETCH(QByteArray, actual);
        QFETCH(QByteArray, expected);
        QCOMPARE(actual, expected);
    }

    void values_print_as_integers_or_english_words_data() {
        QTest::addColumn<QByteArray>("actual");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("0") << text(zero) << QByteArray("0");
        QTest::newRow("1") << text(one) << QByteArray("1");
        QTest::newRow("-1") << text(Number{-1}) << QByteArray("-1");
        QTest::newRow("2") << text(Number{2}) << QByteArray("2");
        QTest::newRow("-0") << text(Number{-0.0}) << QByteArray("0");
        // Fifteen significant digits, as the rule for every number has it.
        QTest::newRow("largest 15-digit whole")
            << text(Number{999999999999999}) << QByteArray("999999999999999");
        QTest::newRow("-15 digits") << text(Number{-999999999999999}) << QByteArray("-999999999999999");
        QTest::newRow("16 digits") << text(Number{1e15}) << QByteArray("1e+15");
        QTest::newRow("rounded to 15 digits")
            << text(Number{1234567890123456}) << QByteArray("1.23456789012346e+15");
        QTest::newRow("a half") << text(Number{-2.5}) << QByteArray("-2.5");
        QTest::newRow("True") << text(True) << QByteArray("True");
        QTest::newRow("False") << text(False) << QByteArray("False");
    }
    void values_print_as_integers_or_english_words() {
        QFETCH(QByteArray, actual);
        QFETCH(QByteArray, expected);
        QCOMPARE(actual, expected);
    }

    void bitwise_operands_round_halves_to_even_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("expected");
        QTest::newRow("2.5") << 2.5 << 2;
        QTest::newRow("3.5") << 3.5 << 4;
        QTest::newRow("-0.5") << -0.5 << 0;
        QTest::newRow("-1.5") << -1.5 << -2;
        QTest::newRow("-2.5") << -2.5 << -2;
        QTest::newRow("just under a half") << 0.49999999999999994 << 0;
        QTest::newRow("just over a half") << 0.5000000000000001 << 1;
        QTest::newRow("-0.7") << -0.7 << -1;
        QTest::newRow("largest half below the top") << 2147483646.5 << 2147483646;
        QTest::newRow("lowest value, a half below")
            << -2147483648.5 << std::numeric_limits<std::int32_t>::min();
        QTest::newRow("a billion and a half") << 1000000000.5 << 1000000000;
    }
    void bitwise_operands_round_halves_to_even() {
        QFETCH(double, value);
        QFETCH(int, expected);
        QCOMPARE(toInt32(Number{value}), expected);
        QCOMPARE(toInt32(Number{value}), static_cast<std::int32_t>(std::nearbyint(value)));
    }

    void wild_numbers_stay_defined_in_bitwise_operators() {
        QCOMPARE(toInt32(Number{1e300}), std::numeric_limits<std::int32_t>::max());
        QCOMPARE(toInt32(Number{-1e300}), std::numeric_limits<std::int32_t>::min());
        QCOMPARE(toInt32(Number{std::nan("")}), 0);
        QCOMPARE(toInt32(Number{std::numeric_limits<double>::infinity()}),
                 std::numeric_limits<std::int32_t>::max());
        QCOMPARE(toInt32(Number{-std::numeric_limits<double>::infinity()}),
                 std::numeric_limits<std::int32_t>::min());
    }
};

QTEST_APPLESS_MAIN(ValueModelTest)
#include "value_model_test.moc"
