// SPDX-License-Identifier: GPL-3.0-or-later
// Hints taken one after another: each is a step the check calls correct by
// the law the hint names, none goes back to a formula of the chain, and
// following them ends at the goal.

#include "derivation_helpers.h"
#include "derivation_search.h"
#include "hints.h"
#include "law_catalogue.h"
#include "step_check.h"

#include <QTest>

using namespace derivations;
using testing::textOf;
using testing::treeOf;

namespace {

// More hints than the longest route of a catalogue row: running out means
// the hints went round in circles.
constexpr int mostHints = 60;

// Takes hints from the chain's last formula until the goal; the failure, if any.
QString followHints(std::vector<Tree> chain, const Tree &goal, bool minimalForm) {
    for (int taken = 0; taken < mostHints; ++taken) {
        if (acKey(flattened(chain.back())) == acKey(flattened(goal)))
            return {};
        const auto hint = minimalForm ? nextHintStepToMinimalForm(chain) : nextHintStep(chain, goal);
        if (!hint)
            return QStringLiteral("no hint at %1").arg(textOf(chain.back()));
        for (const Tree &earlier : chain)
            if (acKey(earlier) == acKey(hint->formula))
                return QStringLiteral("back to %1").arg(textOf(hint->formula));
        const StepVerdict verdict = checkStep(chain.back(), hint->formula, hint->law);
        if (verdict.kind != VerdictKind::Correct || verdict.law != hint->law)
            return QStringLiteral("%1 to %2 is not %3")
                .arg(textOf(chain.back()), textOf(hint->formula), QString::fromUtf8(lawName(hint->law)));
        if (!hint->part)
            return QStringLiteral("no place for %1").arg(QString::fromUtf8(lawName(hint->law)));
        chain.push_back(hint->formula);
    }
    return QStringLiteral("the goal not reached in %1 hints").arg(mostHints);
}

} // namespace

class HintsTest : public QObject {
    Q_OBJECT

private slots:
    void hints_lead_to_the_goal_data() {
        QTest::addColumn<QStringList>("chain");
        QTest::addColumn<QString>("goal");
        for (std::size_t row = 0; row < catalogue::lawCatalogue.size(); ++row) {
            const QStringList sides =
                QString::fromUtf8(catalogue::lawCatalogue[row].formula.data(),
                                  qsizetype(catalogue::lawCatalogue[row].formula.size()))
                    .split(u'=');
            QTest::addRow("row %zu", row + 1) << QStringList{sides[0]} << sides[1];
            QTest::addRow("row %zu, backwards", row + 1) << QStringList{sides[1]} << sides[0];
        }
        // The student spread a product back into the sum it came from.
        QTest::newRow("factored, then spread back") << QStringList{"A ^ B v A ^ !B", "A ^ (B v !B)"} << "A";
        QTest::newRow("a detour through a definition")
            << QStringList{"A -> B", "!A v B", "!A v !!B"} << "!B -> !A";
        QTest::newRow("negation outside a long chain") << QStringList{"!(A ^ B ^ C) v A"} << "1";
        QTest::newRow("equivalence to its other definition")
            << QStringList{"A <--> B"} << "(!A v B) ^ (A v !B)";
        QTest::newRow("Xor of three") << QStringList{"A Xor B Xor A"} << "B";
    }
    void hints_lead_to_the_goal() {
        QFETCH(QStringList, chain);
        QFETCH(QString, goal);
        std::vector<Tree> formulas;
        for (const QString &formula : chain)
            formulas.push_back(treeOf(formula));
        const QString failure = followHints(formulas, treeOf(goal), false);
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
    }

    void hints_lead_to_the_minimal_form_data() {
        QTest::addColumn<QString>("start");
        QTest::newRow("gluing") << "A ^ B v A ^ !B v C";
        QTest::newRow("a product of sums") << "(A v B) ^ (A v C) ^ (!A v B)";
        QTest::newRow("negated implications") << "!(A -> B) v !(B -> A)";
        QTest::newRow("Xor beside its variables") << "(A Xor B) v A ^ B";
    }
    void hints_lead_to_the_minimal_form() {
        QFETCH(QString, start);
        const Tree formula = treeOf(start);
        const QString failure = followHints({formula}, minimalSumOfProducts(formula), true);
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
    }

    // The first hint on a factored product names the excluded middle, not
    // the distribution the student just undid.
    void the_hint_goes_forward_from_a_factored_product() {
        const auto hint = nextHintStep({treeOf("A ^ B v A ^ !B"), treeOf("A ^ (B v !B)")}, treeOf("A"));
        QVERIFY(hint);
        QCOMPARE(int(hint->law), int(LawId::ExcludedMiddle));
        QCOMPARE(textOf(hint->part), QStringLiteral("B v !B"));
    }

    void no_hint_at_the_goal_or_towards_another_function_data() {
        QTest::addColumn<QString>("last");
        QTest::addColumn<QString>("goal");
        QTest::newRow("at the goal, reordered") << "B ^ A"
                                                << "A ^ B";
        QTest::newRow("not equivalent") << "A v B"
                                        << "A ^ B";
    }
    void no_hint_at_the_goal_or_towards_another_function() {
        QFETCH(QString, last);
        QFETCH(QString, goal);
        QVERIFY(!nextHintStep({treeOf(last)}, treeOf(goal)));
    }
};

QTEST_APPLESS_MAIN(HintsTest)
#include "hints_test.moc"
