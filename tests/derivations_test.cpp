// SPDX-License-Identifier: GPL-3.0-or-later
// Derivations: every law both ways and every known mistake recognised and
// named, counterexamples that really differ, every row of the catalogue
// derived from the basic laws and each step checked again by the reader's
// truth tables, simplify against brute-force minimal sums, and a chain with
// its line numbers.

#include "chain_check.h"
#include "derivation_helpers.h"
#include "derivation_search.h"
#include "derived_steps.h"
#include "law_catalogue.h"

#include <QTest>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>

using namespace derivations;
using testing::equivalent;
using testing::textOf;
using testing::treeOf;

namespace {

QString nameOf(LawId law) { return QString::fromUtf8(lawName(law)); }

// The fewest literals of any sum of products of the function, by brute
// force over the rows still to cover (n <= 4 variables).
int fewestLiterals(int n, std::uint32_t truth) {
    const std::uint32_t rows = 1u << n;
    std::vector<std::pair<std::uint32_t, int>> implicants; // rows held, literals
    for (std::uint32_t code = 0; code < std::uint32_t(std::pow(3, n)); ++code) {
        std::uint32_t held = 0;
        int literals = 0;
        for (std::uint32_t row = 0; row < rows; ++row) {
            bool inside = true;
            std::uint32_t c = code;
            literals = 0;
            for (int v = 0; v < n; ++v, c /= 3) {
                if (c % 3 == 2)
                    continue;
                ++literals;
                inside = inside && ((row >> (n - 1 - v)) & 1) == (c % 3);
            }
            if (inside)
                held |= 1u << row;
        }
        if ((held & ~truth) == 0 && held)
            implicants.push_back({held, literals});
    }
    std::vector<int> cost(std::size_t(1) << rows, 1 << 20);
    cost[0] = 0;
    for (std::uint32_t left = 1; left < (1u << rows); ++left) {
        if ((left & ~truth) != 0)
            continue;
        const std::uint32_t lowest = left & (0u - left);
        for (const auto &[held, literals] : implicants)
            if (held & lowest)
                cost[left] = std::min(cost[left], cost[left & ~held] + literals);
    }
    return cost[truth];
}

int literalsOf(const formulas::Tree &tree) {
    int literals = 0;
    for (const formulas::PostfixStep &step : formulas::postfixOf(tree))
        literals += step.step == formulas::Step::Variable;
    return literals;
}

// The searches stop on their counts of states and steps here, never on the
// clock: a loaded machine or a sanitizer build must not change the answer.
SearchBounds withoutDeadline(std::size_t maxSteps = 60) {
    SearchBounds bounds;
    bounds.maxSteps = maxSteps;
    return bounds;
}

} // namespace

class DerivationsTest : public QObject {
    Q_OBJECT

private slots:
    void every_rule_both_ways_is_named_data() {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        QTest::addColumn<int>("law");
        for (std::size_t law = 0; law < lawCount; ++law)
            for (const Sides &sides : lawEntry(LawId(law)).rules) {
                const QString left = QString::fromUtf8(sides.left), right = QString::fromUtf8(sides.right);
                QTest::addRow("%s: %s -> %s", lawName(LawId(law)), sides.left.data(), sides.right.data())
                    << left << right << int(law);
                QTest::addRow("%s: %s <- %s", lawName(LawId(law)), sides.left.data(), sides.right.data())
                    << right << left << int(law);
            }
        // Modulo order and grouping, inside a longer chain, over all operands at once.
        QTest::newRow("absorption of (B ^ A) v A") << "(B ^ A) v A"
                                                   << "A" << int(LawId::Absorption);
        QTest::newRow("absorption inside C v A v (A ^ B)") << "C v A v (A ^ B)"
                                                           << "C v A" << int(LawId::Absorption);
        QTest::newRow("De Morgan over three") << "!(A ^ B ^ C)"
                                              << "!A v !B v !C" << int(LawId::DeMorgan);
        QTest::newRow("distributive over three") << "A ^ (B v C v D)"
                                                 << "A ^ B v A ^ C v A ^ D" << int(LawId::Distributive);
        QTest::newRow("distributive over some") << "A ^ (B v C v D)"
                                                << "A ^ B v A ^ (C v D)" << int(LawId::Distributive);
        QTest::newRow("a law deep inside") << "D -> !!(A v B)"
                                           << "D -> A v B" << int(LawId::DoubleNegation);
        QTest::newRow("double negation under a negation") << "!!!A"
                                                          << "!A" << int(LawId::DoubleNegation);
    }
    void every_rule_both_ways_is_named() {
        QFETCH(QString, before);
        QFETCH(QString, after);
        QFETCH(int, law);
        const StepVerdict verdict = checkStep(treeOf(before), treeOf(after));
        QCOMPARE(int(verdict.kind), int(VerdictKind::Correct));
        QCOMPARE(nameOf(verdict.law), nameOf(LawId(law)));
        // Named by the student: right; another law named: right, but that law.
        QCOMPARE(int(checkStep(treeOf(before), treeOf(after), LawId(law)).kind), int(VerdictKind::Correct));
        const LawId other = LawId((law + 4) % int(lawCount));
        if (!isStepBy(treeOf(before), treeOf(after), other)) {
            const StepVerdict named = checkStep(treeOf(before), treeOf(after), other);
            QCOMPARE(int(named.kind), int(VerdictKind::CorrectOtherLaw));
            QCOMPARE(nameOf(named.law), nameOf(LawId(law)));
        }
    }

    // A derived law's step, in a context and either way round, written out
    // in basic steps that each hold as one law applied once.
    void derived_steps_are_written_out_in_basic_steps_data() {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        QTest::addColumn<int>("law");
        for (std::size_t law = basicLawCount; law < lawCount; ++law)
            for (const Sides &sides : lawEntry(LawId(law)).rules) {
                const QString left = QString::fromUtf8(sides.left), right = QString::fromUtf8(sides.right);
                QTest::addRow("%s: %s", lawName(LawId(law)), sides.left.data()) << left << right << int(law);
                QTest::addRow("%s, inside: %s", lawName(LawId(law)), sides.left.data())
                    << QStringLiteral("D -> E v (%1)").arg(left) << QStringLiteral("D -> E v (%1)").arg(right)
                    << int(law);
                QTest::addRow("%s, backwards: %s", lawName(LawId(law)), sides.left.data())
                    << QStringLiteral("!(%1) ^ E").arg(right) << QStringLiteral("!(%1) ^ E").arg(left)
                    << int(law);
            }
        QTest::newRow("consensus among other terms") << "D v A ^ B v E ^ F v !A ^ C v B ^ C"
                                                     << "D v A ^ B v E ^ F v !A ^ C" << int(LawId::Consensus);
        QTest::newRow("transposition of longer terms")
            << "A ^ B ^ D v !A ^ C"
            << "(A v C) ^ (!A v B ^ D)" << int(LawId::Transposition);
    }
    void derived_steps_are_written_out_in_basic_steps() {
        QFETCH(QString, before);
        QFETCH(QString, after);
        QFETCH(int, law);
        const auto chain = basicStepsOf(treeOf(before), treeOf(after), LawId(law));
        QVERIFY(chain);
        QVERIFY(formulas::sameTree(chain->front().first, treeOf(before)));
        QVERIFY(formulas::sameTree(chain->back().first, treeOf(after)));
        for (std::size_t i = 1; i < chain->size(); ++i) {
            const auto &[formula, step] = (*chain)[i];
            QVERIFY2(isBasic(step), lawName(step));
            const StepVerdict verdict = checkStep((*chain)[i - 1].first, formula, step);
            QVERIFY2(verdict.kind == VerdictKind::Correct, qPrintable(textOf(formula)));
        }
    }

    void every_known_mistake_is_named_data() {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        QTest::addColumn<int>("mistake");
        for (std::size_t mistake = 0; mistake < mistakeCount; ++mistake)
            for (const Sides &sides : mistakeEntry(MistakeId(mistake)).instances)
                QTest::addRow("%s: %s -> %s", mistakeName(MistakeId(mistake)), sides.left.data(),
                              sides.right.data())
                    << QString::fromUtf8(sides.left) << QString::fromUtf8(sides.right) << int(mistake);
        QTest::newRow("De Morgan without the swap, deep inside")
            << "A v !(B ^ C)"
            << "A v !B ^ !C" << int(MistakeId::DeMorganWithoutSwap);
    }
    void every_known_mistake_is_named() {
        QFETCH(QString, before);
        QFETCH(QString, after);
        QFETCH(int, mistake);
        const StepVerdict verdict = checkStep(treeOf(before), treeOf(after));
        QCOMPARE(int(verdict.kind), int(VerdictKind::CommonMistake));
        QCOMPARE(QString::fromUtf8(mistakeName(verdict.mistake)),
                 QString::fromUtf8(mistakeName(MistakeId(mistake))));
        QVERIFY(!verdict.equivalent());
    }

    void other_verdicts_data() {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("detail"); // the laws of a big step, or the counterexample
        QTest::newRow("regrouping alone") << "A ^ (B ^ C)"
                                          << "(A ^ B) ^ C" << int(VerdictKind::Correct) << "";
        QTest::newRow("the same line") << "A v B"
                                       << "A v B" << int(VerdictKind::Unchanged) << "";
        QTest::newRow("two laws") << "!(A ^ !B)"
                                  << "!A v B" << int(VerdictKind::BigStep)
                                  << "Закон на де Морган, Закон за двойното отрицание";
        QTest::newRow("far") << "(A ^ B) v (!A ^ C) v (B ^ C)"
                             << "(A v C) ^ (!A v B)" << int(VerdictKind::BigStep) << "";
        QTest::newRow("wrong, first row") << "A ^ B"
                                          << "A v B" << int(VerdictKind::Wrong) << "AB 01 0 1";
        QTest::newRow("wrong, letters of both") << "A v D"
                                                << "C v D" << int(VerdictKind::Wrong) << "ACD 010 0 1";
        QTest::newRow("wrong, a constant") << "1"
                                           << "Z" << int(VerdictKind::Wrong) << "Z 0 1 0";
    }
    void other_verdicts() {
        QFETCH(QString, before);
        QFETCH(QString, after);
        QFETCH(int, kind);
        QFETCH(QString, detail);
        const StepVerdict verdict = checkStep(treeOf(before), treeOf(after));
        QCOMPARE(int(verdict.kind), kind);
        if (verdict.kind == VerdictKind::BigStep) {
            QStringList names;
            for (LawId law : verdict.laws)
                names << nameOf(law);
            if (!detail.isEmpty())
                QCOMPARE(names.join(QStringLiteral(", ")), detail);
        }
        if (verdict.kind == VerdictKind::Wrong) {
            const Counterexample &example = verdict.counterexample;
            QString row;
            for (std::size_t v = 0; v < example.letters.size(); ++v)
                row += example.value(v) ? u'1' : u'0';
            QCOMPARE(QString::fromLatin1(example.letters.data(), qsizetype(example.letters.size())) + u' ' +
                         row + u' ' + QString::number(example.before) + u' ' + QString::number(example.after),
                     detail);
        }
    }

    // The reader, not the library, confirms the row: F and G differ there
    // and on no earlier row.
    void counterexamples_really_differ() {
        std::mt19937 random(7);
        for (int i = 0; i < 300; ++i) {
            const auto before = treeOf(testing::randomFormula(random, 3, 4));
            const auto after = treeOf(testing::randomFormula(random, 3, 4));
            const auto example = counterexampleOf(before, after);
            const auto table = std::get<formulas::TruthTable>(formulas::tabulate(
                (textOf(before) + QStringLiteral(" = ") + textOf(after)).toStdU32String()));
            QCOMPARE(example.has_value(), !table.isIdentity());
            if (!example)
                continue;
            QCOMPARE(std::string(table.variables.begin(), table.variables.end()),
                     std::string(example->letters.begin(), example->letters.end()));
            for (std::uint32_t row = 0; row < example->row; ++row)
                QVERIFY(table.rows[row].holds());
            QCOMPARE(table.rows[example->row].left, example->before);
            QCOMPARE(table.rows[example->row].right, example->after);
        }
    }

    void every_catalogue_row_derives_from_the_basic_laws_data() {
        QTest::addColumn<int>("row");
        for (int row = 1; row <= 21; ++row)
            QTest::addRow("row %d", row) << row;
    }
    void every_catalogue_row_derives_from_the_basic_laws() {
        QFETCH(int, row);
        const DeriveResult result = deriveCatalogueRow(row, withoutDeadline());
        QCOMPARE(int(result.outcome), int(DeriveOutcome::Found));
        const std::string_view text = catalogue::lawCatalogue[std::size_t(row - 1)].formula;
        const auto equation = std::get<formulas::Equation>(
            formulas::readTree(QString::fromUtf8(text.data(), qsizetype(text.size())).toStdU32String()));
        formulas::Tree previous = result.derivation.start;
        QVERIFY(formulas::sameTree(previous, equation.left));
        for (const DerivationStep &step : result.derivation.steps) {
            QVERIFY2(isBasic(step.law), lawName(step.law));
            QVERIFY2(equivalent(previous, step.formula), qPrintable(textOf(step.formula)));
            const StepVerdict verdict = checkStep(previous, step.formula, step.law);
            QCOMPARE(int(verdict.kind), int(VerdictKind::Correct));
            // What the printer writes reads back as the same formula.
            QVERIFY(formulas::sameTree(flattened(treeOf(textOf(step.formula))), flattened(step.formula)));
            previous = step.formula;
        }
        QVERIFY(!result.derivation.steps.empty());
        QVERIFY2(result.derivation.steps.size() <= 20,
                 QByteArray::number(qsizetype(result.derivation.steps.size())));
        QCOMPARE(acKey(previous), acKey(flattened(equation.right)));
    }

    void catalogue_derivations_are_short_as_a_whole() {
        std::vector<std::size_t> counts;
        for (int row = 1; row <= 21; ++row)
            counts.push_back(deriveCatalogueRow(row, withoutDeadline()).derivation.steps.size());
        std::sort(counts.begin(), counts.end());
        QVERIFY2(counts[10] <= 4, QByteArray::number(qsizetype(counts[10])));
    }

    // Set DERIVATIONS_SEED to replay a failure.
    void simplify_reaches_the_fewest_literals() {
        const unsigned seed = qEnvironmentVariableIsSet("DERIVATIONS_SEED")
                                  ? unsigned(qEnvironmentVariableIntValue("DERIVATIONS_SEED"))
                                  : std::random_device()();
        std::mt19937 random(seed);
        for (int i = 0; i < 40; ++i) {
            const int letters = 2 + i % 3;
            const auto formula = treeOf(testing::randomFormula(random, 3, letters));
            const DeriveResult result = simplify(formula, withoutDeadline(250));
            const QByteArray context = "seed " + QByteArray::number(seed) + ": " + textOf(formula).toUtf8();
            QVERIFY2(result.outcome == DeriveOutcome::Found, context);
            const formulas::Tree last =
                result.derivation.steps.empty() ? formula : result.derivation.steps.back().formula;
            QVERIFY2(equivalent(formula, last), context);
            const std::vector<char> used = lettersOf(formula, nullptr);
            const int n = int(used.size());
            const std::uint32_t truth = n == 0 ? 0 : std::uint32_t(truthOf(formula, used)[0]);
            if (n == 0)
                QVERIFY2(last->op == formulas::Operator::True || last->op == formulas::Operator::False,
                         context);
            else
                QVERIFY2(literalsOf(last) == fewestLiterals(n, truth) || truth == (1u << (1u << n)) - 1,
                         context);
        }
    }

    // The derivation window asks derive(), not simplify(), for a formula's
    // minimal form; with every law it is reached through the shared products.
    void derive_reaches_a_minimal_form_with_every_law() {
        for (const char *text :
             {"(A Xor B) ^ (B v C)", "(A -> B) ^ (B -> C) ^ (C -> A) v D", "!(A <--> B) v A ^ C"}) {
            const formulas::Tree formula = treeOf(QString::fromUtf8(text));
            const formulas::Tree minimal = minimalSumOfProducts(formula);
            const DeriveResult result = derive(formula, minimal, allLaws(), withoutDeadline(250));
            QVERIFY2(result.outcome == DeriveOutcome::Found, text);
            QCOMPARE(acKey(flattened(result.derivation.steps.back().formula)), acKey(flattened(minimal)));
        }
    }

    // A search cancelled from elsewhere stops and says it gave up, even
    // where it would have found a chain.
    void a_cancelled_search_gives_up() {
        const std::atomic<bool> cancelled{true};
        SearchBounds bounds;
        bounds.cancelled = &cancelled;
        QCOMPARE(int(deriveCatalogueRow(7, bounds).outcome), int(DeriveOutcome::GaveUp));
        QCOMPARE(int(deriveCatalogueRow(5, bounds).outcome), int(DeriveOutcome::GaveUp));
        QCOMPARE(int(simplify(treeOf(QStringLiteral("A Xor B v A")), bounds).outcome),
                 int(DeriveOutcome::GaveUp));
        QCOMPARE(int(simplify(treeOf(QStringLiteral("A Xor B v A"))).outcome), int(DeriveOutcome::Found));
    }

    void a_chain_is_checked_line_by_line() {
        const QString chain = QStringLiteral("# homework\n"
                                             "!(A ^ !B)\n"
                                             "\n"
                                             "= !A v !!B  [Закон на де Морган]\n"
                                             "!A v B  [Комутативен закон]\n"
                                             "!A ^ B\n"
                                             "A -> B\n");
        const auto checked = checkChain(chain.toStdU32String());
        const auto &report = std::get<ChainReport>(checked);
        QCOMPARE(report.steps.size(), std::size_t(4));
        QCOMPARE(report.steps[0].line, std::size_t(4));
        QCOMPARE(int(report.steps[0].verdict.kind), int(VerdictKind::Correct));
        QCOMPARE(int(report.steps[1].verdict.kind), int(VerdictKind::CorrectOtherLaw));
        QCOMPARE(nameOf(report.steps[1].verdict.law), nameOf(LawId::DoubleNegation));
        QCOMPARE(report.steps[2].line, std::size_t(6));
        QCOMPARE(int(report.steps[2].verdict.kind), int(VerdictKind::Wrong));
        QCOMPARE(report.equivalentSteps, std::size_t(2));

        const auto broken = checkChain(U"A\n\nA ^\n");
        QCOMPARE(std::get<ChainError>(broken).line, std::size_t(3));
        QCOMPARE(int(std::get<ChainError>(broken).error.code), int(formulas::ReadErrorCode::ExpectedOperand));
    }
};

QTEST_APPLESS_MAIN(DerivationsTest)
#include "derivations_test.moc"
