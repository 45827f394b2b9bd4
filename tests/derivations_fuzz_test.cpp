// SPDX-License-Identifier: GPL-3.0-or-later
// Random formulas and random bytes into the reader, the step check and
// simplify: a result or a reader's error every time, and a chain returned
// only where its every step keeps the value.

#include "derivation_helpers.h"
#include "derivation_search.h"

#include <QTest>

using namespace derivations;

class DerivationsFuzzTest : public QObject {
    Q_OBJECT

private slots:
    void random_input_gets_an_answer() {
        const unsigned seed = qEnvironmentVariableIsSet("DERIVATIONS_SEED")
                                  ? unsigned(qEnvironmentVariableIntValue("DERIVATIONS_SEED"))
                                  : std::random_device()();
        std::mt19937 random(seed);
        static constexpr char symbols[] = "ABCDEFGXYZv01!^()=-><Xor \t\xff\xd0\xaf";
        for (int i = 0; i < 300; ++i) {
            QByteArray bytes(qsizetype(random() % 60), 0);
            for (char &byte : bytes)
                byte = i % 2 ? symbols[random() % (sizeof symbols - 1)] : char(random());
            const QString text = i % 3 == 0 ? testing::randomFormula(random, 4, 6) : QString::fromUtf8(bytes);
            const auto read = formulas::readTree(text.toStdU32String());
            const QByteArray context = "seed " + QByteArray::number(seed) + ": " + text.toUtf8();
            if (const auto *error = std::get_if<formulas::ReadError>(&read)) {
                QVERIFY2(error->position >= 1 && error->position <= std::size_t(text.size()) + 1, context);
                continue;
            }
            const formulas::Tree formula = std::get<formulas::Equation>(read).left;
            const formulas::Tree other = testing::treeOf(testing::randomFormula(random, 2, 3));
            const StepVerdict verdict = checkStep(formula, other);
            QCOMPARE(verdict.equivalent(), testing::equivalent(formula, other));
            if (i % 10 != 0)
                continue;
            const DeriveResult simplified = simplify(formula);
            QVERIFY2(simplified.outcome != DeriveOutcome::NotEquivalent, context);
            formulas::Tree previous = formula;
            for (const DerivationStep &step : simplified.derivation.steps) {
                QVERIFY2(testing::equivalent(previous, step.formula), context);
                previous = step.formula;
            }
        }
    }

    // The deepest formulas the reader takes, through the step check and
    // simplify: an answer, never a stack overflow.
    void nesting_and_length_are_refused_or_read_without_recursion() {
        QString alternating; // !(A v !(B ^ !(A v ... ))), about 400 levels
        for (int level = 0; level < 198; ++level)
            alternating += level % 2 ? QStringLiteral("!(B^") : QStringLiteral("!(Av");
        alternating += u'A' + QString(198, u')');
        for (const QString &text : {QString(100000, u'('), QString(499, u'(') + u'A' + QString(499, u')'),
                                    QString(998, u'!') + u'A', alternating}) {
            const auto read = formulas::readTree(text.toStdU32String());
            const auto *equation = std::get_if<formulas::Equation>(&read);
            if (!equation)
                continue;
            const formulas::Tree &deep = equation->left;
            const formulas::Tree a = testing::treeOf(QStringLiteral("A"));
            // Printed, these outgrow what the reader takes: compared as trees.
            QCOMPARE(checkStep(deep, a).equivalent(), !counterexampleOf(deep, a));
            const DeriveResult simplified = simplify(deep);
            QVERIFY(simplified.outcome != DeriveOutcome::NotEquivalent);
            if (simplified.outcome == DeriveOutcome::Found && !simplified.derivation.steps.empty())
                QVERIFY(!counterexampleOf(deep, simplified.derivation.steps.back().formula));
        }
    }
};

QTEST_APPLESS_MAIN(DerivationsFuzzTest)
#include "derivations_fuzz_test.moc"
