// SPDX-License-Identifier: GPL-3.0-or-later
// --language on the command line: English answers and refusals, the same
// proof lines under an English header, and a code other than bg or en
// refused before anything else.

#include "command_line_helpers.h"

#include <QRegularExpression>
#include <QTest>

namespace {

bool hasCyrillic(const QString &text) {
    static const QRegularExpression cyrillic(QStringLiteral("\\p{Cyrillic}"));
    return text.contains(cyrillic);
}

} // namespace

class LanguageCommandTest : public QObject {
    Q_OBJECT

private slots:
    void english_proof_has_an_english_header_and_the_same_lines() {
        const ProgramRun bulgarian = runProgram({QStringLiteral("--proof"), QStringLiteral("3")});
        const ProgramRun english = runProgram({QStringLiteral("--proof"), QStringLiteral("3"),
                                               QStringLiteral("--language"), QStringLiteral("en")});
        QCOMPARE(english.exitCode, 0);
        QCOMPARE(english.err, QByteArray());
        const QList<QByteArray> bulgarianLines = bulgarian.out.split('\n');
        const QList<QByteArray> englishLines = english.out.split('\n');
        QCOMPARE(englishLines.size(), bulgarianLines.size());
        for (qsizetype i = 0; i < englishLines.size(); ++i) {
            if (bulgarianLines[i].startsWith("3: ")) {
                QCOMPARE(englishLines[i], QByteArray("3: Absorption law:"));
                continue;
            }
            QCOMPARE(englishLines[i], bulgarianLines[i]);
        }
        // "--language bg" is the default spelled out.
        QCOMPARE(
            runProgram({QStringLiteral("--language=bg"), QStringLiteral("--proof"), QStringLiteral("3")}).out,
            bulgarian.out);
    }

    void a_code_other_than_bg_or_en_is_refused_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("alone") << QStringList{QStringLiteral("--language"), QStringLiteral("xx")};
        QTest::newRow("with help") << QStringList{QStringLiteral("--help"), QStringLiteral("--language"),
                                                  QStringLiteral("xx")};
        QTest::newRow("with a proof")
            << QStringList{QStringLiteral("--proof"), QStringLiteral("3"), QStringLiteral("--language=de")};
        QTest::newRow("upper case") << QStringList{QStringLiteral("--language"), QStringLiteral("EN")};
        QTest::newRow("empty") << QStringList{QStringLiteral("--language="), QStringLiteral("--version")};
    }
    void a_code_other_than_bg_or_en_is_refused() {
        QFETCH(QStringList, arguments);
        const ProgramRun run = runProgram(arguments);
        QCOMPARE(run.exitCode, 2);
        QCOMPARE(run.out, QByteArray());
        QCOMPARE(run.err.count('\n'), 1);
        QVERIFY2(run.err.contains(" bg ") && run.err.contains(" en "), run.err.constData());
    }

    void under_english_every_answer_is_english_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::newRow("help") << QStringList{QStringLiteral("--help")} << 0;
        QTest::newRow("no such law") << QStringList{QStringLiteral("--proof"), QStringLiteral("99")} << 2;
        QTest::newRow("wrong digits") << QStringList{QStringLiteral("--proof"), QStringLiteral("7"),
                                                     QStringLiteral("--values"), QStringLiteral("12")}
                                      << 2;
        QTest::newRow("unknown option") << QStringList{QStringLiteral("--prove")} << 2;
        QTest::newRow("missing value") << QStringList{QStringLiteral("--proof")} << 2;
        QTest::newRow("two modes") << QStringList{QStringLiteral("--proof"), QStringLiteral("1"),
                                                  QStringLiteral("--kmap"), QStringLiteral("A")}
                                   << 2;
        QTest::newRow("kmap of a bad formula")
            << QStringList{QStringLiteral("--kmap"), QStringLiteral("A ^")} << 2;
        QTest::newRow("sheet without output")
            << QStringList{QStringLiteral("--sheet"), QStringLiteral("1")} << 2;
        QTest::newRow("an exercise and its answer")
            << QStringList{QStringLiteral("--exercise"), QStringLiteral("law"),    QStringLiteral("--level"),
                           QStringLiteral("hard"),       QStringLiteral("--seed"), QStringLiteral("1"),
                           QStringLiteral("--answer")}
            << 0;
        QTest::newRow("an exercise of no such level")
            << QStringList{QStringLiteral("--exercise"), QStringLiteral("law"), QStringLiteral("--level"),
                           QStringLiteral("expert")}
            << 2;
        QTest::newRow("language twice") << QStringList{QStringLiteral("--language"), QStringLiteral("bg"),
                                                       QStringLiteral("--proof"), QStringLiteral("1")}
                                        << 2;
    }
    void under_english_every_answer_is_english() {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        const ProgramRun run =
            runProgram(arguments + QStringList{QStringLiteral("--language"), QStringLiteral("en")});
        QCOMPARE(run.exitCode, exitCode);
        const QString said = QString::fromUtf8(run.out + run.err);
        QVERIFY(!said.isEmpty());
        QVERIFY2(!hasCyrillic(said), qPrintable(said));
    }
};

QTEST_GUILESS_MAIN(LanguageCommandTest)
#include "language_command_test.moc"
