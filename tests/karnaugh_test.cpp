// SPDX-License-Identifier: GPL-3.0-or-later
// Karnaugh maps: where each row stands, groups that wrap past the edges and
// corners, and the grading of a student's groups rule by rule.

#include "karnaugh.h"

#include <QTest>

#include <array>

using derivations::KarnaughLayout;
using derivations::MapCell;
using derivations::MapGroup;

namespace {

KarnaughLayout layoutFor(int n) { return *KarnaughLayout::forVariables(n); }

// "top left height width; …"
std::vector<MapGroup> groupsFrom(const QString &text) {
    std::vector<MapGroup> groups;
    for (const QString &group : text.split(u';', Qt::SkipEmptyParts)) {
        const QStringList numbers = group.split(u' ', Qt::SkipEmptyParts);
        groups.push_back({numbers[0].toInt(), numbers[1].toInt(), numbers[2].toInt(), numbers[3].toInt()});
    }
    return groups;
}

QString faultName(derivations::GroupFault fault) {
    return QString::fromLatin1(std::array{"None", "BadSize", "HoldsZero", "NotLargest"}[std::size_t(fault)]);
}

} // namespace

class KarnaughTest : public QObject {
    Q_OBJECT

private slots:
    void maps_print_rows_and_columns_in_gray_order_data() {
        QTest::addColumn<int>("n");
        QTest::addColumn<quint64>("truth");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("A ^ B v C ^ D")
            << 4 << quint64(0xf888)
            << QStringList{"AB\\CD 00 01 11 10", "00 0 0 1 0", "01 0 0 1 0", "11 1 1 1 1", "10 0 0 1 0"};
        // Rows 1, 2 and 5: !A ^ C and A ^ !B ^ C.
        QTest::newRow("three variables")
            << 3 << quint64(0x26) << QStringList{"A\\BC 00 01 11 10", "0 0 1 0 1", "1 0 1 0 0"};
        QTest::newRow("two variables") << 2 << quint64(0x2) << QStringList{"A\\B 0 1", "0 0 1", "1 0 0"};
    }
    void maps_print_rows_and_columns_in_gray_order() {
        QFETCH(int, n);
        QFETCH(quint64, truth);
        QFETCH(QStringList, lines);
        QStringList printed;
        for (const std::string &line : derivations::mapLines(layoutFor(n), truth, "ABCD"))
            printed << QString::fromStdString(line);
        QCOMPARE(printed, lines);
        const KarnaughLayout layout = layoutFor(n);
        for (int row = 0; row < layout.cellCount(); ++row)
            QCOMPARE(layout.truthRow(layout.cellOf(row)), row);
    }

    void only_two_to_four_variables_have_a_map() {
        for (int n : {-1, 0, 1, 5, 6})
            QVERIFY(!KarnaughLayout::forVariables(n));
    }

    // Every term is a rectangle on the torus; the corners and edges included.
    void each_term_is_one_group_data() {
        QTest::addColumn<int>("n");
        for (int n = 2; n <= 4; ++n)
            QTest::addRow("%d variables", n) << n;
    }
    void each_term_is_one_group() {
        QFETCH(int, n);
        const KarnaughLayout layout = layoutFor(n);
        for (std::uint32_t care = 0; care < (1u << n); ++care)
            for (std::uint32_t value = care;; value = (value - 1) & care) {
                const derivations::Term term{care, value};
                const MapGroup group = derivations::groupOf(layout, term);
                QVERIFY(derivations::hasPowerOfTwoSides(layout, group));
                QCOMPARE(derivations::truthRowsOf(layout, group), derivations::rowsOf(n, term));
                QCOMPARE(derivations::termOf(layout, group), term);
                if (value == 0)
                    break;
            }
    }

    void groups_wrap_past_the_edges_data() {
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("group");
        QTest::addColumn<QString>("term");
        QTest::newRow("four corners") << 4 << "3 3 2 2"
                                      << "!B ^ !D";
        QTest::newRow("left and right edges") << 4 << "0 3 4 2"
                                              << "!D";
        QTest::newRow("top and bottom edges") << 4 << "3 1 2 1"
                                              << "!B ^ !C ^ D";
        QTest::newRow("top and bottom rows, full width") << 4 << "3 0 2 4"
                                                         << "!B";
        QTest::newRow("a 4-wide row from the second column") << 4 << "2 1 1 4"
                                                             << "A ^ B";
        QTest::newRow("three variables, side edges") << 3 << "0 3 2 2"
                                                     << "!C";
    }
    void groups_wrap_past_the_edges() {
        QFETCH(int, n);
        QFETCH(QString, group);
        QFETCH(QString, term);
        const KarnaughLayout layout = layoutFor(n);
        const MapGroup drawn = groupsFrom(group).front();
        const derivations::Term held = derivations::termOf(layout, drawn);
        QCOMPARE(QString::fromStdString(derivations::formatSumOfProducts(n, {held}, "ABCD")), term);
        QCOMPARE(derivations::truthRowsOf(layout, drawn), derivations::rowsOf(n, held));
    }

    void grading_names_each_broken_rule_data() {
        QTest::addColumn<int>("n");
        QTest::addColumn<quint64>("truth");
        QTest::addColumn<QString>("groups");
        QTest::addColumn<QString>("faults");
        QTest::addColumn<int>("uncovered");
        QTest::addColumn<QString>("redundant");
        QTest::addColumn<bool>("tooMany");
        // A ^ B v C ^ D: row 11 (index 2) and column 11 (index 2) hold the 1s.
        const quint64 twoProducts = 0xf888;
        QTest::newRow("correct") << 4 << twoProducts << "2 0 1 4; 0 2 4 1"
                                 << "None None" << 0 << "" << false;
        QTest::newRow("three wide") << 4 << twoProducts << "2 0 1 3; 0 2 4 1"
                                    << "BadSize None" << 1 << "" << false;
        QTest::newRow("off the map") << 4 << twoProducts << "2 0 1 4; 0 2 4 1; 4 0 1 1"
                                     << "None None BadSize" << 0 << "2" << true;
        QTest::newRow("holds zeros") << 4 << twoProducts << "1 0 2 4; 0 2 4 1"
                                     << "HoldsZero None" << 0 << "" << false;
        QTest::newRow("not as large as it can be") << 4 << twoProducts << "2 0 1 2; 2 2 1 2; 0 2 4 1"
                                                   << "NotLargest NotLargest None" << 0 << "" << true;
        QTest::newRow("a 1 left out") << 4 << twoProducts << "2 0 1 4"
                                      << "None" << 3 << "" << false;
        QTest::newRow("the same group twice") << 4 << twoProducts << "2 0 1 4; 0 2 4 1; 2 0 1 4"
                                              << "None None None" << 0 << "2" << true;
        // A ^ B v !A ^ C: the consensus B ^ C is prime, but one group too many.
        QTest::newRow("consensus group too many") << 3 << quint64(0xca) << "1 2 1 2; 0 1 1 2; 0 2 2 1"
                                                  << "None None None" << 0 << "2" << true;
        // Two minimal covers; the program's own is A ^ B, !A ^ !C, !B ^ C.
        QTest::newRow("the other minimal cover") << 3 << quint64(0xe7) << "1 1 1 2; 0 0 1 2; 0 3 2 1"
                                                 << "None None None" << 0 << "" << false;
        QTest::newRow("four corners") << 4 << quint64(0x0505) << "3 3 2 2"
                                      << "None" << 0 << "" << false;
        QTest::newRow("corners drawn as pairs") << 4 << quint64(0x0505) << "0 3 1 2; 3 3 1 2"
                                                << "NotLargest NotLargest" << 0 << "" << true;
        QTest::newRow("left and right edges") << 4 << quint64(0x5555) << "0 3 4 2"
                                              << "None" << 0 << "" << false;
        QTest::newRow("whole map") << 4 << quint64(0xffff) << "0 0 4 4"
                                   << "None" << 0 << "" << false;
        QTest::newRow("constant 0, no groups") << 4 << quint64(0) << ""
                                               << "" << 0 << "" << false;
    }
    void grading_names_each_broken_rule() {
        QFETCH(int, n);
        QFETCH(quint64, truth);
        QFETCH(QString, groups);
        QFETCH(QString, faults);
        QFETCH(int, uncovered);
        QFETCH(QString, redundant);
        QFETCH(bool, tooMany);
        const KarnaughLayout layout = layoutFor(n);
        const auto grade = derivations::gradeGroups(layout, truth, groupsFrom(groups));
        QStringList faultNames;
        QStringList redundantGroups;
        for (std::size_t i = 0; i < grade.groups.size(); ++i) {
            const derivations::GroupGrade &group = grade.groups[i];
            faultNames << faultName(group.fault);
            if (group.redundant)
                redundantGroups << QString::number(i);
            if (group.fault == derivations::GroupFault::HoldsZero)
                for (MapCell cell : group.zeroCells)
                    QVERIFY(!(truth >> layout.truthRow(cell) & 1));
            if (group.fault == derivations::GroupFault::NotLargest) {
                const MapGroup larger = *group.largerGroup;
                const auto lone = derivations::gradeGroups(layout, truth, {larger});
                QCOMPARE(lone.groups.front().fault, derivations::GroupFault::None);
                QCOMPARE(derivations::truthRowsOf(layout, larger) & derivations::rowsOf(n, group.term),
                         derivations::rowsOf(n, group.term));
            }
        }
        QCOMPARE(faultNames.join(u' '), faults);
        QCOMPARE(int(grade.uncoveredOnes.size()), uncovered);
        QCOMPARE(redundantGroups.join(u' '), redundant);
        QCOMPARE(grade.tooManyGroups(), tooMany);
        const bool correct =
            faults.count(QStringLiteral("None")) == grade.groupCount && uncovered == 0 && !tooMany;
        QCOMPARE(grade.correct(), correct);
        if (QByteArray(QTest::currentDataTag()) == "the other minimal cover") {
            const auto own = derivations::minimalSumsOfProducts(n, truth).front();
            for (const MapGroup &group : groupsFrom(groups))
                QVERIFY(std::find(own.begin(), own.end(), derivations::termOf(layout, group)) == own.end());
        }
    }
};

QTEST_MAIN(KarnaughTest)
#include "karnaugh_test.moc"
