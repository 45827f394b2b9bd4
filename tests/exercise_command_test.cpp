// SPDX-License-Identifier: GPL-3.0-or-later
// --exercise through the real program: the task's and the seed's lines in
// either language, the answer that follows --answer checked against the
// formula itself, the same bytes from the same seed, and the refusals.

#include "command_line_helpers.h"

#include "formula_printer.h"
#include "minimal_forms.h"
#include "step_answer.h"
#include "working_form.h"

#include <QRegularExpression>
#include <QTest>

namespace {

QStringList linesOf(const QByteArray &out) {
    QStringList lines = QString::fromUtf8(out).split(QLatin1Char('\n'));
    if (lines.constLast().isEmpty())
        lines.removeLast();
    return lines;
}

formulas::Tree treeOf(const QString &text) {
    auto read = formulas::readTree(text.toStdU32String());
    return std::get<formulas::Equation>(read).left;
}

int literals(const formulas::Tree &tree) {
    if (tree->op == formulas::Operator::Variable)
        return 1;
    int count = 0;
    for (const formulas::Tree &operand : tree->operands)
        count += literals(operand);
    return count;
}

int minimalLiterals(const formulas::Tree &tree) {
    const std::vector<char> letters = derivations::lettersOf(tree, nullptr);
    const auto covers =
        derivations::minimalSumsOfProducts(int(letters.size()), derivations::truthOf(tree, letters)[0], 1);
    int count = 0;
    for (const derivations::Term &term : covers.front())
        count += derivations::literalCount(term);
    return count;
}

ProgramRun exercise(const QString &kind, const QString &level, int seed, QStringList more = {}) {
    return runProgram(QStringList{"--exercise", kind, "--level", level, "--seed", QString::number(seed)} +
                      more);
}

} // namespace

class ExerciseCommandTest : public QObject {
    Q_OBJECT

private slots:
    // Two lines: the kind's name, ": " and the task with its formulas as the
    // printer writes them; then the seed.
    void the_task_and_the_seed_are_printed_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("task");
        QTest::addColumn<QString>("seed");
        const QString one = QStringLiteral("(\\S(?:[^=→]*\\S)?)");
        QTest::newRow("prove") << QStringList{"prove", "easy"} << "Докажи: " + one + " = " + one << "Семе: 7";
        QTest::newRow("simplify") << QStringList{"simplify", "medium"} << "Опрости: " + one << "Семе: 7";
        QTest::newRow("table") << QStringList{"table", "hard"} << "Таблица: " + one << "Семе: 7";
        QTest::newRow("map") << QStringList{"map", "hard"} << "Карта: " + one << "Семе: 7";
        QTest::newRow("law") << QStringList{"law", "medium"} << "Закон: " + one + " \u2192 " + one
                             << "Семе: 7";
        QTest::newRow("in English") << QStringList{"law", "hard", "--language", "en"}
                                    << "Law: " + one + " \u2192 " + one << "Seed: 7";
        QTest::newRow("Bulgarian names")
            << QStringList{"докажи", "трудно"} << "Докажи: " + one + " = " + one << "Семе: 7";
    }
    void the_task_and_the_seed_are_printed() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, task);
        QFETCH(QString, seed);
        const ProgramRun run = exercise(arguments[0], arguments[1], 7, arguments.mid(2));
        QCOMPARE(run.err, QByteArray());
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.out.endsWith('\n') && !run.out.contains('\r'));
        const QStringList lines = linesOf(run.out);
        QCOMPARE(lines.size(), 2);
        const QRegularExpressionMatch match =
            QRegularExpression(QRegularExpression::anchoredPattern(task)).match(lines[0]);
        QVERIFY2(match.hasMatch(), qPrintable(lines[0]));
        for (int formula = 1; formula <= match.lastCapturedIndex(); ++formula)
            QCOMPARE(QString::fromStdString(formulas::printed(treeOf(match.captured(formula)))),
                     match.captured(formula));
        QCOMPARE(lines[1], seed);
    }

    // The derivations read back through --check with every step right and
    // end at the goal or at a minimal sum.
    void a_derivation_answers_a_proof_and_a_simplification_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("level");
        QTest::newRow("prove easy") << "prove"
                                    << "easy";
        QTest::newRow("prove hard") << "prove"
                                    << "hard";
        QTest::newRow("simplify medium") << "simplify"
                                         << "medium";
        QTest::newRow("simplify hard") << "simplify"
                                       << "hard";
    }
    void a_derivation_answers_a_proof_and_a_simplification() {
        QFETCH(QString, kind);
        QFETCH(QString, level);
        const QStringList lines = linesOf(exercise(kind, level, 11, {"--answer"}).out);
        const QString task = lines[0].section(QStringLiteral(": "), 1);
        const QString start = task.section(QStringLiteral(" = "), 0, 0);
        QCOMPARE(lines.value(2), start);
        QVERIFY(lines.size() > 3);
        const QString last = lines.constLast().mid(2).section(QStringLiteral("  ["), 0, 0);
        if (kind == QStringLiteral("prove"))
            QCOMPARE(derivations::acKey(treeOf(last)), derivations::acKey(treeOf(task.section(" = ", 1))));
        else
            QCOMPARE(literals(treeOf(last)), minimalLiterals(treeOf(start)));
        const ProgramRun check = runProgram({"--check", "-"}, lines.mid(2).join(QLatin1Char('\n')).toUtf8());
        QCOMPARE(check.exitCode, 0);
        const int steps = int(lines.size()) - 3;
        QVERIFY2(check.out.endsWith(QStringLiteral("Верни стъпки: %1 от %1\n").arg(steps).toUtf8()),
                 check.out.constData());
    }

    // One line a row in counting order, the first variable most significant.
    void a_table_answer_is_the_truth_table() {
        const QStringList lines = linesOf(exercise("table", "medium", 5, {"--answer"}).out);
        const QString formula = lines[0].section(QStringLiteral(": "), 1);
        const auto table = std::get<formulas::TruthTable>(formulas::tabulate(formula.toStdU32String()));
        QCOMPARE(lines.size(), 2 + qsizetype(table.rows.size()));
        for (std::size_t row = 0; row < table.rows.size(); ++row) {
            QString expected;
            for (std::size_t v = 0; v < table.variables.size(); ++v)
                expected += QLatin1String(table.rows[row].values[v] ? "1 " : "0 ");
            expected += QStringLiteral("| ") + QLatin1Char(table.rows[row].left ? '1' : '0');
            QCOMPARE(lines[2 + qsizetype(row)], expected);
        }
    }

    void a_map_answer_is_a_minimal_sum() {
        const QStringList lines = linesOf(exercise("map", "hard", 9, {"--answer"}).out);
        QCOMPARE(lines.size(), 3);
        const QString prefix = QStringLiteral("Минимална ДНФ: ");
        QVERIFY(lines[2].startsWith(prefix));
        const formulas::Tree formula = treeOf(lines[0].section(QStringLiteral(": "), 1));
        const formulas::Tree sum = treeOf(lines[2].mid(prefix.size()));
        QVERIFY(!derivations::counterexampleOf(formula, sum));
        QCOMPARE(literals(sum), minimalLiterals(formula));
    }

    // One of the names a student chooses from.
    void a_law_answer_is_a_name_to_choose() {
        QStringList names;
        for (const exercises::StepName &choice : exercises::stepChoices())
            names << QString::fromUtf8(exercises::stepChoiceName(choice));
        for (int seed = 0; seed < 6; ++seed) {
            const QStringList lines = linesOf(exercise("law", "hard", seed, {"--answer"}).out);
            QCOMPARE(lines.size(), 3);
            QVERIFY2(names.contains(lines[2]), qPrintable(lines[2]));
        }
    }

    // The same bytes every run; the Bulgarian names ask for the same; a seed
    // chosen at random is printed and gives the same exercise again.
    void a_seed_gives_the_same_exercise() {
        const ProgramRun first = exercise("prove", "hard", 123, {"--answer"});
        QCOMPARE(exercise("prove", "hard", 123, {"--answer"}).out, first.out);
        QCOMPARE(exercise("ДОКАЖИ", "трудно", 123, {"--answer"}).out, first.out);
        const ProgramRun random = runProgram({"--exercise", "map", "--level", "medium"});
        QCOMPARE(random.exitCode, 0);
        const QStringList lines = linesOf(random.out);
        const QRegularExpressionMatch seed =
            QRegularExpression(QStringLiteral("^Семе: (\\d+)$")).match(lines.value(1));
        QVERIFY2(seed.hasMatch(), random.out.constData());
        QCOMPARE(exercise("map", "medium", seed.captured(1).toInt()).out, random.out);
    }

    void a_wrong_kind_level_or_seed_is_refused_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("named");
        QTest::newRow("unknown kind") << QStringList{"--exercise", "proof", "--level", "easy"} << "„proof“";
        QTest::newRow("unknown level") << QStringList{"--exercise", "law", "--level", "expert"} << "„expert“";
        QTest::newRow("no level") << QStringList{"--exercise", "law"} << "„--level“";
        QTest::newRow("level alone") << QStringList{"--level", "easy"} << "„--exercise“";
        QTest::newRow("seed past the last")
            << QStringList{"--exercise", "law", "--level", "easy", "--seed", "2147483648"} << "„2147483648“";
        QTest::newRow("negative seed")
            << QStringList{"--exercise", "law", "--level", "easy", "--seed", "-1"} << "„-1“";
        QTest::newRow("seed with a sign")
            << QStringList{"--exercise", "law", "--level", "easy", "--seed", "+3"} << "„+3“";
        QTest::newRow("seed of letters")
            << QStringList{"--exercise", "map", "--level", "easy", "--seed", "seven"} << "„seven“";
        QTest::newRow("huge seed") << QStringList{"--exercise", "map",    "--level",
                                                  "easy",       "--seed", "99999999999999999999"}
                                   << "„99999999999999999999“";
        QTest::newRow("answer with a value")
            << QStringList{"--exercise", "map", "--level", "easy", "--answer=yes"} << "„--answer=yes“";
    }
    void a_wrong_kind_level_or_seed_is_refused() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, named);
        const ProgramRun run = runProgram(arguments);
        QCOMPARE(run.exitCode, 2);
        QCOMPARE(run.out, QByteArray());
        const QString err = QString::fromUtf8(run.err);
        QCOMPARE(err.count(QLatin1Char('\n')), 1);
        QVERIFY2(err.contains(named), qPrintable(err));
    }
};

QTEST_GUILESS_MAIN(ExerciseCommandTest)
#include "exercise_command_test.moc"
