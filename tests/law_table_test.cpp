// SPDX-License-Identifier: GPL-3.0-or-later
// The law table's rows as the step check reads them: every mistake with
// compound operands, reordered and inside a larger formula, and a near miss
// that is not it; big steps of two and three laws named in order; the same
// answers with busy threads beside the check.

#include "derivation_helpers.h"
#include "derivation_search.h"
#include "step_check.h"
#include "working_form.h"

#include <QFuture>
#include <QTest>
#include <QtConcurrent>

#include <atomic>

using namespace derivations;
using testing::treeOf;

namespace {

// The pattern's letters X, Y, Z replaced by compound formulas.
QString compound(const char *pattern) {
    const QString text = QString::fromUtf8(pattern);
    QString made;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const bool letter = i + 1 == text.size() || !text[i + 1].isLetter(); // not the X of "Xor"
        if (letter && text[i] == u'X')
            made += QStringLiteral("(A v !C)");
        else if (letter && text[i] == u'Y')
            made += QStringLiteral("(B ^ D)");
        else if (letter && text[i] == u'Z')
            made += QStringLiteral("!E");
        else
            made += text[i];
    }
    return made;
}

// The same formula with every chain's operands in reverse order.
Tree reordered(const Tree &tree) {
    if (tree->operands.empty())
        return tree;
    std::vector<Tree> operands;
    for (const Tree &operand : tree->operands)
        operands.push_back(reordered(operand));
    if (tree->op == Operator::And || tree->op == Operator::Or)
        std::reverse(operands.begin(), operands.end());
    return formulas::combination(tree->op, std::move(operands));
}

QString verdictOf(const StepVerdict &verdict) {
    QString text = QString::number(int(verdict.kind)) + u' ' + QString::number(int(verdict.law)) + u' ' +
                   QString::number(int(verdict.mistake));
    for (LawId law : verdict.laws)
        text += u' ' + QString::number(int(law));
    return text;
}

const char *const determinismPairs[][2] = {
    {"!(A ^ B) v A", "1"},
    {"!(!A ^ !B)", "A v B"},
    {"A ^ B v A ^ !B", "A ^ (B v !B)"},
    {"!A ^ !B ^ (C v D)", "!A ^ !B ^ C v D"},
    {"(A -> B) ^ (B -> C)", "(!A v B) ^ (!B v C)"},
    {"A Xor B Xor (B Xor C)", "A Xor C"},
};

} // namespace

class LawTableTest : public QObject {
    Q_OBJECT

private slots:
    void every_mistake_row_is_named_data() {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        QTest::addColumn<int>("mistake");
        for (std::size_t m = 0; m < mistakeCount; ++m) {
            const MistakeEntry &entry = mistakeEntry(MistakeId(m));
            for (const Sides &sides : entry.instances)
                for (int way = 0; way < (entry.bothWays ? 2 : 1); ++way) {
                    const char *from = way ? sides.right.data() : sides.left.data();
                    const char *to = way ? sides.left.data() : sides.right.data();
                    const QString before = compound(from), after = compound(to);
                    QTest::addRow("%s: %s -> %s", entry.name, from, to) << before << after << int(m);
                    QTest::addRow("%s, inside: %s -> %s", entry.name, from, to)
                        << QStringLiteral("F ^ (%1)").arg(before) << QStringLiteral("F ^ (%1)").arg(after)
                        << int(m);
                }
        }
        QTest::newRow("distribution over a longer product")
            << "!A ^ !B ^ (C v D)"
            << "!A ^ !B ^ C v D" << int(MistakeId::WrongDistribution);
        // Chains of three and more operands: a letter of the row stands for several.
        const struct {
            const char *name, *before, *after;
            MistakeId mistake;
        } longer[] = {
            {"negation carried to the first of three", "!(A ^ B ^ C)", "!A v B v C",
             MistakeId::NegationNotCarried},
            {"negation carried to two of three", "!(A v B v C)", "!A ^ !B ^ C",
             MistakeId::NegationNotCarried},
            {"negation carried to two of four", "!(A ^ B ^ C ^ D)", "!A v C v !B v D",
             MistakeId::NegationNotCarried},
            {"no swap over three", "!(A ^ B ^ C)", "!A ^ !B ^ !C", MistakeId::DeMorganWithoutSwap},
            {"no swap over compound operands", "!((A -> B) v C v !D)", "!(A -> B) v !C v !!D",
             MistakeId::DeMorganWithoutSwap},
            {"negation lost over three", "!(A v B v C)", "A ^ B ^ C", MistakeId::NegationLost},
            {"distribution over a sum of three", "A ^ (B v C v D)", "A ^ B v C v D",
             MistakeId::WrongDistribution},
        };
        for (const auto &row : longer)
            QTest::newRow(row.name) << row.before << row.after << int(row.mistake);
    }
    void every_mistake_row_is_named() {
        QFETCH(QString, before);
        QFETCH(QString, after);
        QFETCH(int, mistake);
        for (const Tree &written : {treeOf(after), reordered(treeOf(after))}) {
            const StepVerdict verdict = checkStep(treeOf(before), written);
            if (verdict.equivalent())
                QSKIP("these operands make the step equivalent");
            QCOMPARE(int(verdict.kind), int(VerdictKind::CommonMistake));
            // An earlier row may describe the same step; the first one names it.
            QVERIFY2(int(verdict.mistake) <= mistake, mistakeName(verdict.mistake));
        }
    }

    // One letter more in the result: not the mistake of that row any more.
    void a_near_miss_is_not_that_mistake_data() {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        QTest::addColumn<int>("mistake");
        for (std::size_t m = 0; m < mistakeCount; ++m)
            for (const Sides &sides : mistakeEntry(MistakeId(m)).instances)
                QTest::addRow("%s: %s -> %s", mistakeName(MistakeId(m)), sides.left.data(),
                              sides.right.data())
                    << compound(sides.left.data()) << compound(sides.right.data()) << int(m);
    }
    void a_near_miss_is_not_that_mistake() {
        QFETCH(QString, before);
        QFETCH(QString, after);
        QFETCH(int, mistake);
        const StepVerdict verdict = checkStep(treeOf(before), treeOf(QStringLiteral("(%1) ^ F").arg(after)));
        QVERIFY(verdict.kind != VerdictKind::CommonMistake || int(verdict.mistake) != mistake);
    }

    void big_steps_name_their_laws_data() {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        QTest::addColumn<QList<int>>("laws");
        QTest::newRow("three laws") << "!(A ^ B) v A"
                                    << "1"
                                    << QList<int>{int(LawId::DeMorgan), int(LawId::ExcludedMiddle),
                                                  int(LawId::Null)};
        QTest::newRow("inside a context") << "C ^ (!(A ^ B) v A) v D"
                                          << "C v D"
                                          << QList<int>{int(LawId::DeMorgan), int(LawId::ExcludedMiddle),
                                                        int(LawId::Null), int(LawId::Neutral)};
        QTest::newRow("three laws in two operands apart")
            << "(!!A v B ^ 1) -> C ^ C"
            << "(A v B) -> C"
            << QList<int>{int(LawId::DoubleNegation), int(LawId::Neutral), int(LawId::Idempotence)};
        QTest::newRow("two operands of a longer chain")
            << "!!A ^ (B v 0) ^ D"
            << "A ^ B ^ D" << QList<int>{int(LawId::DoubleNegation), int(LawId::Neutral)};
        QTest::newRow("two laws, backwards")
            << "!A v B"
            << "!(A ^ !B)" << QList<int>{int(LawId::DoubleNegation), int(LawId::DeMorgan)};
    }
    void big_steps_name_their_laws() {
        QFETCH(QString, before);
        QFETCH(QString, after);
        QFETCH(QList<int>, laws);
        const StepVerdict verdict = checkStep(treeOf(before), treeOf(after));
        QCOMPARE(int(verdict.kind), int(VerdictKind::BigStep));
        QList<int> named;
        for (LawId law : verdict.laws)
            named << int(law);
        if (laws.size() > 3)
            QVERIFY(named.isEmpty()); // four laws are a derivation, not a big step
        else
            QCOMPARE(named, laws);
    }

    // Where the greedy route outgrows its bound, the inside-out one still
    // reaches the minimal sum, each step one law.
    void simplify_reaches_the_minimal_sum_of_nested_xor_data() {
        QTest::addColumn<QString>("formula");
        QTest::newRow("four letters") << "A Xor B Xor C Xor D";
        QTest::newRow("negated, beside a product") << "!(A Xor B Xor C Xor D) Xor (A ^ B)";
        QTest::newRow("equivalence of two") << "(A Xor B) <--> (C Xor D)";
        QTest::newRow("negated sum") << "!((A Xor (B Xor (C Xor D))) v (A <--> D))";
        QTest::newRow("negations all round") << "!(!(A Xor B) Xor !(C Xor D)) <--> !(A Xor D)";
        QTest::newRow("random, gave up before")
            << "((!((((A) <--> (C)) ^ (D)) <--> ((C) Xor (A)))) v (((A) v ((B) v (C))) ^ (!((((A) Xor (D)) "
               "<--> "
               "((B) Xor (D))) Xor ((((C) Xor (C)) Xor (D)) ^ ((B) ^ (D))))))) Xor ((C) Xor ((D) Xor (A)))";
    }
    void simplify_reaches_the_minimal_sum_of_nested_xor() {
        QFETCH(QString, formula);
        const Tree start = treeOf(formula);
        const DeriveResult found = simplify(start);
        QCOMPARE(int(found.outcome), int(DeriveOutcome::Found));
        Tree before = start;
        for (const DerivationStep &step : found.derivation.steps) {
            QVERIFY2(isStepBy(before, step.formula, step.law), lawName(step.law));
            before = step.formula;
        }
        QCOMPARE(acKey(flattened(before)), acKey(flattened(minimalSumOfProducts(start))));
    }

    // Verdicts and chains count their work: busy threads beside them change
    // nothing.
    void answers_do_not_depend_on_load() {
        const auto answers = [] {
            QStringList all;
            for (const auto &pair : determinismPairs) {
                const Tree before = treeOf(QString::fromUtf8(pair[0])),
                           after = treeOf(QString::fromUtf8(pair[1]));
                all << verdictOf(checkStep(before, after));
                const DeriveResult found = derive(before, after);
                QString chain = QString::number(int(found.outcome));
                for (const DerivationStep &step : found.derivation.steps)
                    chain += u'|' + testing::textOf(step.formula) + u' ' + QString::number(int(step.law));
                all << chain;
            }
            return all;
        };
        const QStringList alone = answers();
        std::atomic<bool> stop{false};
        QList<QFuture<void>> busy;
        for (int i = 0; i < 3; ++i)
            busy << QtConcurrent::run([&stop] {
                volatile unsigned spin = 0;
                while (!stop.load())
                    spin = spin + 1;
            });
        const QStringList loaded = answers();
        stop = true;
        for (QFuture<void> &thread : busy)
            thread.waitForFinished();
        QCOMPARE(loaded, alone);
    }
};

QTEST_GUILESS_MAIN(LawTableTest)
#include "law_table_test.moc"
