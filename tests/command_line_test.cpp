// SPDX-License-Identifier: GPL-3.0-or-later
// The command line: --help and --version answered without a display, any
// other argument refused in one line with a non-zero exit, and a bare start
// unchanged (without a display: its one-line message and exit code 1).

#include "command_line.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTest>

namespace {

const QString program = QStringLiteral("boolean-laws");

// The built program, with neither a display nor a chosen Qt platform.
struct Run {
    int exitCode = -1;
    QString out, err;
};
Run runWithoutDisplay(const QStringList &arguments) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(PROGRAM_PATH), arguments);
    if (!process.waitForFinished(60000))
        return {};
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

bool isOneLine(const QString &text) { return text.count(QLatin1Char('\n')) == 1 && text.endsWith('\n'); }

} // namespace

class CommandLineTest : public QObject {
    Q_OBJECT

private slots:
    void nothing_but_the_program_opens_the_window() { QVERIFY(!command_line::answer({program})); }

    void help_and_version_are_answered_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("expected"); // a pattern the whole output matches
        const QString help =
            QStringLiteral("(?s).*Теореми и тъждества в булевата алгебра.*--help.*--version.*");
        const QString version = QStringLiteral("boolean-laws \\d+\\.\\d+\\.\\d+\n");
        QTest::newRow("--help") << QStringList{"--help"} << help;
        QTest::newRow("-h") << QStringList{"-h"} << help;
        QTest::newRow("--version") << QStringList{"--version"} << version;
        QTest::newRow("-v") << QStringList{"-v"} << version;
        QTest::newRow("help wins over version") << QStringList{"--version", "--help"} << help;
    }
    void help_and_version_are_answered() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, expected);
        const auto reply = command_line::answer(QStringList{program} + arguments);
        QVERIFY(reply);
        QCOMPARE(reply->exitCode, 0);
        QVERIFY(reply->err.isEmpty());
        QVERIFY2(
            QRegularExpression(QRegularExpression::anchoredPattern(expected)).match(reply->out).hasMatch(),
            qPrintable(reply->out));
    }

    void anything_else_is_refused_in_one_line_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("named"); // the argument the line names
        QTest::newRow("unknown option") << QStringList{"--prove"} << "--prove";
        QTest::newRow("unknown short option") << QStringList{"-x"} << "-x";
        QTest::newRow("a word") << QStringList{"7"} << "7";
        QTest::newRow("an empty argument") << QStringList{""} << "";
        QTest::newRow("end of options alone") << QStringList{"--"} << "--";
        QTest::newRow("Qt's window option") << QStringList{"-platform", "offscreen"} << "-platform";
        QTest::newRow("help with a value") << QStringList{"--help=all"} << "--help=all";
        QTest::newRow("help and a stray word") << QStringList{"--help", "extra"} << "extra";
        QTest::newRow("line break and escape") << QStringList{"a\nb\x1b[2J"} << "a?b?[2J";

        // --proof and --sheet, with what the line names.
        QTest::newRow("proof without its law") << QStringList{"--proof"} << "--proof";
        QTest::newRow("law 0") << QStringList{"--proof", "0"} << "0";
        QTest::newRow("law 22") << QStringList{"--proof=22"} << "22";
        QTest::newRow("law not a number") << QStringList{"--proof", "seven"} << "seven";
        QTest::newRow("law with a sign") << QStringList{"--proof", "+7"} << "+7";
        QTest::newRow("law with a blank") << QStringList{"--proof", " 7"} << " 7";
        QTest::newRow("an argument like a placeholder") << QStringList{"%2"} << "%2";
        QTest::newRow("law given twice") << QStringList{"--proof", "1", "--proof", "2"} << "--proof";
        QTest::newRow("two digits for three variables")
            << QStringList{"--proof", "7", "--values", "10"} << "10";
        QTest::newRow("three digits for two variables")
            << QStringList{"--proof", "1", "--values", "101"} << "101";
        QTest::newRow("a digit other than 0 or 1") << QStringList{"--proof", "1", "--values", "12"} << "12";
        QTest::newRow("no digits") << QStringList{"--proof", "1", "--values="} << "";
        QTest::newRow("values without proof") << QStringList{"--values", "01"} << "--values";
        QTest::newRow("values with sheet")
            << QStringList{"--sheet", "1", "--output", "a.pdf", "--values", "01"} << "--values";
        QTest::newRow("sheet without output") << QStringList{"--sheet", "all"} << "--sheet";
        QTest::newRow("sheet of law 22") << QStringList{"--sheet", "22", "--output", "a.pdf"} << "22";
        QTest::newRow("sheet of ALL") << QStringList{"--sheet", "ALL", "--output", "a.pdf"} << "ALL";
        QTest::newRow("sheet as text") << QStringList{"--sheet", "all", "--output", "a.txt"} << "a.txt";
        QTest::newRow("sheet without an ending") << QStringList{"--sheet", "all", "--output", "pdf"} << "pdf";
        QTest::newRow("output without sheet") << QStringList{"--output", "a.pdf"} << "--output";
        QTest::newRow("proof and sheet")
            << QStringList{"--proof", "1", "--sheet", "1", "--output", "a.pdf"} << "--proof";
        QTest::newRow("help and proof") << QStringList{"--help", "--proof", "1"} << "--help";
        QTest::newRow("version and sheet") << QStringList{"-v", "--sheet", "1", "--output", "a.pdf"} << "-v";
    }
    void anything_else_is_refused_in_one_line() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, named);
        const auto reply = command_line::answer(QStringList{program} + arguments);
        QVERIFY(reply);
        QCOMPARE(reply->exitCode, 2);
        QVERIFY(reply->out.isEmpty());
        QVERIFY(!reply->sheet);
        QVERIFY2(isOneLine(reply->err), qPrintable(reply->err));
        QVERIFY2(reply->err.startsWith(program + QStringLiteral(": ")), qPrintable(reply->err));
        QVERIFY2(reply->err.contains(QStringLiteral("„%1“").arg(named)), qPrintable(reply->err));
    }

    // The same through the real program, where no display may be needed.
    void the_program_answers_without_a_display_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("out"); // a pattern the whole standard output matches
        QTest::addColumn<QString>("err"); // a pattern the whole standard error matches
        // Help reads in Bulgarian, Qt's headings included.
        const QString help = QStringLiteral(
            "(?s)[^\\n]*boolean-laws \\[[^\\]]+\\]\\nТеореми и тъждества.*\\n\\p{Cyrillic}+:\\n  "
            "-h, --help .*\\n  -v, --version .*\\n");
        QTest::newRow("--help") << QStringList{"--help"} << 0 << help << "";
        QTest::newRow("--version") << QStringList{"--version"} << 0
                                   << QStringLiteral("boolean-laws " BOOLEAN_LAWS_VERSION "\n") << "";
        QTest::newRow("refused") << QStringList{"--prove"} << 2 << ""
                                 << "[^\\n]*--prove[^\\n]*\\n";
        QTest::newRow("a proof") << QStringList{"--proof", "20", "--values", "01"} << 0
                                 << "20: функция импликация, заключение:\\nA -> B = !A v B\\n0 -> 1 = !0 v "
                                    "1\\n1 = 1 v 1\\n1 = 1\\n"
                                 << "";
        QTest::newRow("a wrong law") << QStringList{"--proof", "22"} << 2 << ""
                                     << "[^\\n]*„22“[^\\n]*\\n";
        QTest::newRow("a sheet where no folder is")
            << QStringList{"--sheet", "1", "--output", "/nonexistent-folder-of-boolean-laws/a.pdf"} << 1 << ""
            << "[^\\n]*„/nonexistent-folder-of-boolean-laws/a.pdf“[^\\n]*\\n";
        QTest::newRow("bare start") << QStringList{} << 1 << ""
                                    << "[^\\n]*xvfb-run[^\\n]*\\n";
    }
    // Every option --help offers is in the manual page (in groff, "-" is
    // written "\\-").
    void every_option_of_help_is_in_the_manual_page() {
        QFile page(QStringLiteral(MANUAL_PAGE));
        QVERIFY2(page.open(QIODevice::ReadOnly), MANUAL_PAGE);
        const QString manual =
            QString::fromUtf8(page.readAll()).replace(QStringLiteral("\\-"), QStringLiteral("-"));
        const QString help = command_line::answer({program, QStringLiteral("--help")})->out;
        const QRegularExpression option(QStringLiteral("(?m)^  (?:(-\\w), )?(--[\\w-]+)"));
        int options = 0;
        for (const QRegularExpressionMatch &match : option.globalMatch(help)) {
            ++options;
            for (const QString &name : {match.captured(1), match.captured(2)})
                QVERIFY2(name.isEmpty() ||
                             manual.contains(QRegularExpression(
                                 QStringLiteral("(^|[^-\\w])%1\\b").arg(QRegularExpression::escape(name)))),
                         qPrintable(name));
        }
        QCOMPARE(options,
                 17); // help, version, language, proof, values, sheet, key, output, kmap, derive, simplify,
                      // check, exercise, level, seed, answer, grade
    }

    void the_program_answers_without_a_display() {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, out);
        QFETCH(QString, err);
        const Run run = runWithoutDisplay(arguments);
        QCOMPARE(run.exitCode, exitCode);
        QVERIFY2(QRegularExpression(QRegularExpression::anchoredPattern(out)).match(run.out).hasMatch(),
                 qPrintable(run.out));
        QVERIFY2(QRegularExpression(QRegularExpression::anchoredPattern(err)).match(run.err).hasMatch(),
                 qPrintable(run.err));
    }
};

QTEST_GUILESS_MAIN(CommandLineTest)
#include "command_line_test.moc"
