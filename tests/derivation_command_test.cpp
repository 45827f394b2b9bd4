// SPDX-License-Identifier: GPL-3.0-or-later
// --derive, --simplify and --check through the real program: the chain's
// lines, the verdicts with their line numbers, the count of good steps and
// the exit codes; a chain saved by the derivation window reads back with
// every step correct.

#include "command_line_helpers.h"

#include "chain_output.h"
#include "derivation_chain.h"
#include "derivation_search.h"
#include "formula_tree.h"
#include "working_form.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

formulas::Tree treeOf(const QString &text) {
    auto read = formulas::readTree(text.toStdU32String());
    return std::get<formulas::Equation>(read).left;
}

QStringList linesOf(const QByteArray &out) {
    QStringList lines = QString::fromUtf8(out).split(QLatin1Char('\n'));
    if (lines.constLast().isEmpty())
        lines.removeLast();
    return lines;
}

} // namespace

class DerivationCommandTest : public QObject {
    Q_OBJECT

private slots:
    // A found chain: F as the printer writes it, then "= formula  [law]"
    // lines ending in the goal (up to the order and grouping of operands).
    void a_chain_is_printed_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("goal");
        QTest::newRow("law 3 by the basic laws") << QStringList{"--derive", "3"} << "A v A ^ B"
                                                 << "A";
        QTest::newRow("law 20 by the basic laws") << QStringList{"--derive", "20"} << "A -> B"
                                                  << "!A v B";
        QTest::newRow("two formulas") << QStringList{"--derive", "!(A^B)v C=C v !B v !A"} << "!(A ^ B) v C"
                                      << "C v !B v !A";
        QTest::newRow("the same formula twice") << QStringList{"--derive", "A v B = A v B"} << "A v B"
                                                << "A v B";
        QTest::newRow("simplified") << QStringList{"--simplify", "A v A ^ B"} << "A v A ^ B"
                                    << "A";
        QTest::newRow("simplified to a constant")
            << QStringList{"--simplify", "(A v B) ^ !A ^ !B"} << "(A v B) ^ !A ^ !B"
            << "0";
        QTest::newRow("already minimal") << QStringList{"--simplify", "A ^ B"} << "A ^ B"
                                         << "A ^ B";
    }
    void a_chain_is_printed() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, first);
        QFETCH(QString, goal);
        const ProgramRun run = runProgram(arguments);
        QCOMPARE(run.err, QByteArray());
        QCOMPARE(run.exitCode, 0);
        QVERIFY2(!run.out.contains('\r'), run.out.constData());
        const QStringList lines = linesOf(run.out);
        QCOMPARE(lines.constFirst(), first);
        static const QRegularExpression step(
            QStringLiteral("^= (\\S(?:.*\\S)?)  \\[(\\p{Cyrillic}[^\\]]+)\\]$"));
        QString last = first;
        for (const QString &line : lines.mid(1)) {
            const QRegularExpressionMatch match = step.match(line);
            QVERIFY2(match.hasMatch(), qPrintable(line));
            last = match.captured(1);
        }
        QCOMPARE(derivations::acKey(treeOf(last)), derivations::acKey(treeOf(goal)));
        // Every step is one law applied once, as --check sees it.
        const ProgramRun checked = runProgram({QStringLiteral("--check"), QStringLiteral("-")}, run.out);
        const QString steps = QString::number(lines.size() - 1);
        QVERIFY2(checked.out.endsWith(QStringLiteral("Верни стъпки: %1 от %1\n").arg(steps).toUtf8()),
                 checked.out.constData());
        QCOMPARE(checked.out.count(": вярно: "), lines.size() - 1);
        QCOMPARE(checked.exitCode, 0);
    }

    // What is no chain: one line on standard output with exit code 1, or a
    // refusal on standard error with exit code 2 naming what cannot be read.
    // "%1" in the arguments is a file that holds `file` (none: no such file).
    void what_is_no_chain_gets_one_line_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err"); // a part of the one line
        QTest::newRow("not equivalent") << QStringList{"--derive", "A ^ B = A v B"} << QString() << 1
                                        << "невярно: при A = 0, B = 1: преди 0, след 1\n"
                                        << "";
        QTest::newRow("not equivalent, other letters") << QStringList{"--derive", "Q = P v Q"} << QString()
                                                       << 1 << "невярно: при P = 1, Q = 0: преди 0, след 1\n"
                                                       << "";
        QTest::newRow("no \"=\"") << QStringList{"--derive", "A v B"} << QString() << 2 << ""
                                  << "„--derive“ иска две формули с „=“ между тях (F = G)";
        QTest::newRow("unreadable") << QStringList{"--derive", "A ^ = B"} << QString() << 2 << ""
                                    << "„A ^ = B“: Грешка на позиция 5";
        QTest::newRow("law 0") << QStringList{"--derive", "0"} << QString() << 2 << ""
                               << "няма закон „0“";
        QTest::newRow("law 22") << QStringList{"--derive", "22"} << QString() << 2 << ""
                                << "няма закон „22“";
        QTest::newRow("simplify with \"=\"") << QStringList{"--simplify", "A = A"} << QString() << 2 << ""
                                             << "„--simplify“ иска една формула без „=“";
        QTest::newRow("simplify unreadable") << QStringList{"--simplify", "A v"} << QString() << 2 << ""
                                             << "„A v“: Грешка на позиция";
        QTest::newRow("no formula") << QStringList{"--simplify"} << QString() << 2 << ""
                                    << "„--simplify“ иска стойност";
        QTest::newRow("two modes") << QStringList{"--derive", "3", "--check", "-"} << QString() << 2 << ""
                                   << "„--derive“ и „--check“ не могат да се дадат заедно";
        QTest::newRow("an unreadable line") << QStringList{"--check", "%1"} << "A v B\n\n# ред 3\nA v (B\n"
                                            << 2 << ""
                                            << "„%1“, ред 4: Грешка на позиция 7: очаква се „)“\n";
        QTest::newRow("two formulas on a line") << QStringList{"--check", "%1"} << "A = A v A ^ B\n"
                                                << 2 << ""
                                                << "„%1“, ред 1: Грешка на позиция";
        QTest::newRow("no such file") << QStringList{"--check", "%1"} << QString() << 2 << ""
                                      << "няма файл „%1“\n";
    }
    void what_is_no_chain_gets_one_line() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, file);
        QFETCH(int, exitCode);
        QFETCH(QString, out);
        QFETCH(QString, err);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("chain.txt"));
        QFile written(path);
        if (!file.isNull())
            QVERIFY(written.open(QIODevice::WriteOnly) && written.write(file.toUtf8()) > 0 &&
                    written.flush());
        arguments.replaceInStrings(QStringLiteral("%1"), path);
        const ProgramRun run = runProgram(arguments);
        QCOMPARE(run.exitCode, exitCode);
        QCOMPARE(QString::fromUtf8(run.out), out);
        const QString error = QString::fromUtf8(run.err);
        if (err.isEmpty()) {
            QCOMPARE(error, QString());
        } else {
            QVERIFY2(error.count(QLatin1Char('\n')) == 1 && error.endsWith(QLatin1Char('\n')),
                     qPrintable(error));
            QVERIFY2(error.contains(QString(err).replace(QStringLiteral("%1"), path)), qPrintable(error));
        }
    }

    void a_chain_is_checked_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("out"); // a pattern the whole output matches
        const auto exactly = [](const char *text) {
            return QRegularExpression::escape(QString::fromUtf8(text));
        };
        QTest::newRow("correct, blank and comment lines counted")
            << QByteArray("# Домашно 1\n!(A ^ B) v C\n\n= !A v !B v C  [Закон на де Морган]\n"
                          "   \n# комутативен\n!B v !A v C\n")
            << 0
            << exactly("4: вярно: Закон на де Морган\n7: вярно: Комутативен закон\nВерни стъпки: 2 от 2\n");
        QTest::newRow("another law claimed")
            << QByteArray("!(A ^ B)\r\n!A v !B  [Закон за поглъщане]\r\n") << 0
            << exactly("2: вярно, но законът е Закон на де Морган\n"
                       "Верни стъпки: 1 от 1\n");
        QTest::newRow("a big step") << QByteArray("!(!A ^ !B)\nA v B\n")
                                    << 0
                                    // The laws are named when a short search finds them in time.
                                    << "2: голяма стъпка: [^\\n]+\\nВерни стъпки: 1 от 1\\n";
        QTest::newRow("a common mistake, then a wrong step")
            << QByteArray("\xEF\xBB\xBF!(A ^ B)\n!A ^ !B\nA v !B\n") << 1
            << exactly("2: честа грешка: де Морган без смяна на операцията\n"
                       "3: невярно: при A = 1, B = 0: преди 0, след 1\nВерни стъпки: 0 от 2\n");
        QTest::newRow("one formula") << QByteArray("A\n") << 0 << exactly("Верни стъпки: 0 от 0\n");
    }
    void a_chain_is_checked() {
        QFETCH(QByteArray, file);
        QFETCH(int, exitCode);
        QFETCH(QString, out);
        const QRegularExpression whole(QRegularExpression::anchoredPattern(out));
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("домашно.txt"));
        QFile written(path);
        QVERIFY(written.open(QIODevice::WriteOnly) && written.write(file) == file.size());
        written.close();
        for (const QStringList &arguments : {QStringList{"--check", path}, QStringList{"--check", "-"}}) {
            const ProgramRun run = runProgram(arguments, file);
            QVERIFY2(whole.match(QString::fromUtf8(run.out)).hasMatch(), run.out.constData());
            QCOMPARE(run.err, QByteArray());
            QCOMPARE(run.exitCode, exitCode);
        }
    }

    // A chain written in either language reads back in either language,
    // every step by the law it names; names in any case and with a colon.
    void derive_output_checks_in_either_language_data() {
        QTest::addColumn<QString>("written");
        QTest::addColumn<QString>("checked");
        for (const char *written : {"bg", "en"})
            for (const char *checked : {"bg", "en"})
                QTest::addRow("%s read in %s", written, checked) << written << checked;
    }
    void derive_output_checks_in_either_language() {
        QFETCH(QString, written);
        QFETCH(QString, checked);
        const QString language = QStringLiteral("--language");
        for (int row = 1; row <= 21; ++row) {
            const ProgramRun derived =
                runProgram({language, written, QStringLiteral("--derive"), QString::number(row)});
            QCOMPARE(derived.exitCode, 0);
            const ProgramRun run =
                runProgram({language, checked, QStringLiteral("--check"), QStringLiteral("-")}, derived.out);
            const QStringList lines = linesOf(run.out);
            const QString correct =
                checked == QLatin1String("en") ? QStringLiteral(": correct: ") : QStringLiteral(": вярно: ");
            QCOMPARE(lines.filter(correct).size(), lines.size() - 1);
            QCOMPARE(run.exitCode, 0);
        }
    }
    void law_names_are_read_loosely_data() {
        QTest::addColumn<QByteArray>("claim");
        QTest::newRow("English") << QByteArray("De Morgan's law");
        QTest::newRow("other case, colon") << QByteArray("закон на ДЕ МОРГАН:");
        QTest::newRow("catalogue row") << QByteArray("Закон за съкращаване (де Морган) NAND: ");
        QTest::newRow("catalogue row in English") << QByteArray("de morgan's law (nand):");
    }
    void law_names_are_read_loosely() {
        QFETCH(QByteArray, claim);
        const ProgramRun run = runProgram({QStringLiteral("--check"), QStringLiteral("-")},
                                          "!(A ^ B)\n!A v !B  [" + claim + "]\n");
        QCOMPARE(run.out, QStringLiteral("2: вярно: Закон на де Морган\nВерни стъпки: 1 от 1\n").toUtf8());
    }

    // The derivation window's saved chain, a big step and a claimed law
    // included, reads back with every step correct.
    void the_window_s_saved_chain_is_checked() {
        const derivations::DeriveResult found = derivations::deriveCatalogueRow(3);
        QCOMPARE(found.outcome, derivations::DeriveOutcome::Found);
        DerivationChain chain;
        chain.restart(found.derivation.start, treeOf(QStringLiteral("A")));
        for (const derivations::DerivationStep &step : found.derivation.steps)
            chain.add({step.formula, step.law, {}, false});
        const formulas::Tree bigStep = treeOf(QStringLiteral("!!A v !!A ^ B"));
        const derivations::StepVerdict verdict = derivations::checkStep(chain.last(), bigStep);
        QCOMPARE(verdict.kind, derivations::VerdictKind::BigStep);
        chain.add({bigStep, std::nullopt, verdict.laws, true});
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("извеждане.txt"));
        QCOMPARE(writeChainFile(chain, QStringLiteral("A"), path), std::nullopt);

        const ProgramRun run = runProgram({QStringLiteral("--check"), path});
        const QStringList lines = linesOf(run.out);
        const int steps = chain.stepCount();
        QCOMPARE(lines.size(), steps + 1);
        QCOMPARE(lines.filter(QStringLiteral(": вярно: ")).size(), steps - 1);
        QVERIFY2(lines[steps - 1].contains(QStringLiteral(": голяма стъпка: ")),
                 qPrintable(lines[steps - 1]));
        QCOMPARE(lines.constLast(), QStringLiteral("Верни стъпки: %1 от %1").arg(steps));
        QCOMPARE(run.exitCode, 0);
    }
};

QTEST_GUILESS_MAIN(DerivationCommandTest)
#include "derivation_command_test.moc"
