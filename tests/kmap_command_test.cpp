// SPDX-License-Identifier: GPL-3.0-or-later
// --kmap through the real program: the map, the minimal forms and, with "=",
// both sides and whether they match, in UTF-8 with LF; a formula without a
// map is refused in one line with exit code 2.

#include "command_line_helpers.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class KmapCommandTest : public QObject {
    Q_OBJECT

private slots:
    void the_program_prints_the_maps_data() {
        QTest::addColumn<QString>("formula");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("four variables")
            << "A ^ B v C ^ D"
            << QByteArray("AB\\CD 00 01 11 10\n"
                          "00 0 0 1 0\n"
                          "01 0 0 1 0\n"
                          "11 1 1 1 1\n"
                          "10 0 0 1 0\n"
                          "Минимална ДНФ: A ^ B v C ^ D\n"
                          "Минимална КНФ: (A v C) ^ (A v D) ^ (B v C) ^ (B v D)\n");
        QTest::newRow("other letters, a constant") << "P v !P ^ Q v !Q ^ R v 1"
                                                   << QByteArray("P\\QR 00 01 11 10\n"
                                                                 "0 1 1 1 1\n"
                                                                 "1 1 1 1 1\n"
                                                                 "Минимална ДНФ: 1\n"
                                                                 "Минимална КНФ: 1\n");
        QTest::newRow("two sides that differ") << "A ^ B = A v B"
                                               << QByteArray("Лява страна:\n"
                                                             "A\\B 0 1\n"
                                                             "0 0 0\n"
                                                             "1 0 1\n"
                                                             "Минимална ДНФ: A ^ B\n"
                                                             "Минимална КНФ: A ^ B\n"
                                                             "Дясна страна:\n"
                                                             "A\\B 0 1\n"
                                                             "0 0 1\n"
                                                             "1 1 1\n"
                                                             "Минимална ДНФ: A v B\n"
                                                             "Минимална КНФ: A v B\n"
                                                             "Картите се различават\n");
    }
    void the_program_prints_the_maps() {
        QFETCH(QString, formula);
        QFETCH(QByteArray, expected);
        const ProgramRun run = runProgram({QStringLiteral("--kmap"), formula});
        QCOMPARE(run.err, QByteArray());
        QCOMPARE(run.out, expected);
        QCOMPARE(run.exitCode, 0);
    }

    void a_law_s_two_maps_match() {
        const ProgramRun run =
            runProgram({QStringLiteral("--kmap"), QStringLiteral("A v (B ^ C) = (A v B) ^ (A v C)")});
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.out.startsWith("Лява страна:\nA\\BC 00 01 11 10\n"));
        QVERIFY(run.out.endsWith(
            "Минимална ДНФ: A v B ^ C\nМинимална КНФ: (A v B) ^ (A v C)\nКартите съвпадат\n"));
    }

    void a_sheet_shows_each_law_s_maps() {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("law-7.html"));
        QCOMPARE(
            runProgram({QStringLiteral("--sheet"), QStringLiteral("7"), QStringLiteral("--output"), path})
                .exitCode,
            0);
        QFile sheet(path);
        QVERIFY(sheet.open(QIODevice::ReadOnly));
        const QString html = QString::fromUtf8(sheet.readAll());
        QCOMPARE(html.count(QStringLiteral("<th>A\\BC</th>")), 2);
        QVERIFY(html.contains(QStringLiteral("Минимална ДНФ: A ^ B v !A ^ C")));
        QVERIFY(html.contains(QStringLiteral("<p>Картите съвпадат</p>")));
    }

    void a_formula_without_a_map_is_refused_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("reason");
        QTest::newRow("unreadable") << QStringList{"--kmap", "A ^ ^ B"} << "„A ^ ^ B“: Грешка на позиция 5";
        QTest::newRow("one variable") << QStringList{"--kmap", "A v !A"}
                                      << "„A v !A“: Карта на Карно има само за формули с 2 до 4 променливи";
        QTest::newRow("five variables")
            << QStringList{"--kmap", "A ^ B ^ C ^ D ^ E"}
            << "Карта на Карно има само за формули с 2 до 4 променливи, а тази формула "
               "има 5.";
        QTest::newRow("a line break inside") << QStringList{"--kmap", "A ^\nB ^ ^"} << "„A ^?B ^ ^“";
        QTest::newRow("no formula") << QStringList{"--kmap"} << "„--kmap“ иска стойност";
    }
    void a_formula_without_a_map_is_refused() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, reason);
        const ProgramRun run = runProgram(arguments);
        QCOMPARE(run.exitCode, 2);
        QCOMPARE(run.out, QByteArray());
        const QString err = QString::fromUtf8(run.err);
        QVERIFY2(err.endsWith(QLatin1Char('\n')) && err.count(QLatin1Char('\n')) == 1, qPrintable(err));
        QVERIFY2(err.contains(reason), qPrintable(err));
    }
};

QTEST_GUILESS_MAIN(KmapCommandTest)
#include "kmap_command_test.moc"
