// SPDX-License-Identifier: GPL-3.0-or-later
// --proof through the real program: for every law and every assignment of
// its variables (116 in all), exactly the text the result box shows, its
// "\r\n" line ends as "\n". One process per law prints all its rows, and one
// more prints a single row chosen with --values.

#include "command_line_helpers.h"
#include "law_catalogue.h"

#include <QTest>

namespace {

QString digitsOf(int row, int bits) {
    return QString::number(bits, 2).rightJustified(variableCount(row), QLatin1Char('0'));
}

} // namespace

class ProofCommandTest : public QObject {
    Q_OBJECT

private slots:
    void the_program_prints_the_result_box_text_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("expected");
        int states = 0;
        for (int row = 0; row < int(catalogue::lawCatalogue.size()); ++row) {
            const int rows = 1 << variableCount(row);
            QByteArray all;
            for (int bits = 0; bits < rows; ++bits) {
                all += (bits > 0 ? "\n" : "") + resultBoxText(row, bits);
                ++states;
            }
            const QString law = QString::number(row + 1);
            QTest::addRow("law %d, every row", row + 1) << QStringList{"--proof", law} << all;
            // A different row for each law, so that every digit is read.
            const int bits = row % rows;
            QTest::addRow("law %d, values %s", row + 1, qPrintable(digitsOf(row, bits)))
                << QStringList{"--proof", law, "--values", digitsOf(row, bits)} << resultBoxText(row, bits);
        }
        QCOMPARE(states, 116);
    }
    void the_program_prints_the_result_box_text() {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, expected);
        const ProgramRun run = runProgram(arguments);
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.err, QByteArray());
        QCOMPARE(run.out, expected);
    }
};

QTEST_GUILESS_MAIN(ProofCommandTest)
#include "proof_command_test.moc"
