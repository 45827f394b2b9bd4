// SPDX-License-Identifier: GPL-3.0-or-later
// The 21 provers against what is known of each law: the worked examples, the
// value tables for every input, the shape of every proof, and the law itself
// as plain Boolean functions, so that a proof that prints a wrong result fails
// even when both of its sides agree.

#include "law_catalogue.h"
#include "prover_cases.h"

#include <QTest>

#include <array>
#include <set>

using namespace testing;

namespace {

const std::array<const ProverGroup *, 4> &groups() {
    static const std::array<const ProverGroup *, 4> all{
        &gluingAbsorptionDeMorgan(), &transpositionAssociativityProximity(), &consensusSimplification(),
        &distributiveXorImplicationEquivalence()};
    return all;
}

int variableCountOf(int row) {
    return catalogue::lawCatalogue.at(std::size_t(row)).variableCount == "3" ? 3 : 2;
}

// How many lines each row's proof has, row index 0 first.
constexpr std::array<std::size_t, 21> proofLines{1, 1, 1, 1, 3, 3, 2, 2, 2, 2, 3,
                                                 3, 4, 4, 3, 3, 3, 3, 3, 3, 4};

// From row 13 on, proofs print only the digits 0 and 1.
bool printsOnlyDigits(int row) { return row >= 12; }

void addInputColumns() {
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("a");
    QTest::addColumn<int>("b");
    QTest::addColumn<int>("c");
}

QByteArray joined(const std::vector<std::string_view> &lines) {
    QByteArray text;
    for (std::string_view line : lines)
        text.append(line.data(), qsizetype(line.size())).append("\r\n");
    return text;
}

} // namespace

class ProversTest : public QObject {
    Q_OBJECT

private slots:
    void every_row_is_covered() {
        std::set<int> withValues, checked;
        for (const ProverGroup *group : groups()) {
            for (const ValueTable &table : group->valueTables) {
                withValues.insert(table.row);
                QCOMPARE(table.printed.size(), allInputs(variableCountOf(table.row)).size());
            }
            for (const LawSides &law : group->laws)
                checked.insert(law.row);
        }
        QCOMPARE(withValues.size(), 21u);
        QCOMPARE(checked.size(), 21u);
    }

    void worked_examples_print_exactly_data() {
        addInputColumns();
        QTest::addColumn<QByteArray>("expected");
        for (const ProverGroup *group : groups())
            for (const WorkedExample &example : group->examples)
                QTest::newRow(caseName(example.row, example.inputs))
                    << example.row << example.inputs.A << example.inputs.B << example.inputs.C
                    << joined(example.lines);
    }
    void worked_examples_print_exactly() {
        QFETCH(int, row);
        QFETCH(int, a);
        QFETCH(int, b);
        QFETCH(int, c);
        QFETCH(QByteArray, expected);
        QCOMPARE(proofOf(row, {a, b, c}), expected);
    }

    void every_input_prints_its_value_table_data() {
        addInputColumns();
        QTest::addColumn<QByteArray>("expected");
        for (const ProverGroup *group : groups())
            for (const ValueTable &table : group->valueTables) {
                const std::vector<Inputs> inputs = allInputs(variableCountOf(table.row));
                for (std::size_t i = 0; i < inputs.size() && i < table.printed.size(); ++i)
                    QTest::newRow(caseName(table.row, inputs[i]))
                        << table.row << inputs[i].A << inputs[i].B << inputs[i].C
                        << fromPattern(table.pattern, inputs[i], table.printed[i]);
            }
    }
    void every_input_prints_its_value_table() {
        QFETCH(int, row);
        QFETCH(int, a);
        QFETCH(int, b);
        QFETCH(int, c);
        QFETCH(QByteArray, expected);
        QCOMPARE(proofOf(row, {a, b, c}), expected);
        // C keeps whatever a three-variable law left in it; a two-variable
        // law must not read it.
        if (variableCountOf(row) == 2)
            QCOMPARE(proofOf(row, {a, b, 1}), expected);
    }

    void proofs_keep_to_their_shape_data() {
        addInputColumns();
        for (int row = 0; row < 21; ++row)
            for (const Inputs &in : allInputs(3))
                QTest::newRow(caseName(row, in)) << row << in.A << in.B << in.C;
    }
    void proofs_keep_to_their_shape() {
        QFETCH(int, row);
        QFETCH(int, a);
        QFETCH(int, b);
        QFETCH(int, c);
        const QByteArray proof = proofOf(row, {a, b, c});
        QCOMPARE(linesOf(proof).size(), proofLines[std::size_t(row)]);
        // Inner sums reach 2 and an Or with True gives -1: neither may be printed.
        for (const char *never : {"2", "-1"})
            QVERIFY2(!proof.contains(never), never);
        if (printsOnlyDigits(row))
            for (const char *never : {"True", "False"})
                QVERIFY2(!proof.contains(never), never);
    }

    void printed_truth_values_are_the_laws_sides_data() {
        addInputColumns();
        for (const ProverGroup *group : groups())
            for (const LawSides &law : group->laws)
                for (const Inputs &in : allInputs(variableCountOf(law.row)))
                    QTest::newRow(caseName(law.row, in)) << law.row << in.A << in.B << in.C;
    }
    void printed_truth_values_are_the_laws_sides() {
        QFETCH(int, row);
        QFETCH(int, a);
        QFETCH(int, b);
        QFETCH(int, c);
        const LawSides *law = nullptr;
        for (const ProverGroup *group : groups())
            for (const LawSides &candidate : group->laws)
                if (candidate.row == row)
                    law = &candidate;
        QVERIFY(law);
        const bool left = law->left(a, b, c);
        const bool right = law->right(a, b, c);
        QCOMPARE(left, right); // the law itself holds

        const std::vector<std::string> lines = linesOf(proofOf(row, {a, b, c}));
        QVERIFY(!lines.empty());
        switch (law->printed) {
        case SidesPrinted::LeftOnlyAtEnd:
            QCOMPARE(truthOf(sidesOf(lines.back()).second), left);
            break;
        case SidesPrinted::OnLastLine:
            QCOMPARE(truthOf(sidesOf(lines.back()).first), left);
            QCOMPARE(truthOf(sidesOf(lines.back()).second), right);
            break;
        case SidesPrinted::AtEndOfEachOfTwo:
            QCOMPARE(lines.size(), 2u);
            QCOMPARE(truthOf(sidesOf(lines[0]).second), left);
            QCOMPARE(truthOf(sidesOf(lines[1]).second), right);
            break;
        }
    }
};

QTEST_APPLESS_MAIN(ProversTest)
#include "provers_test.moc"
