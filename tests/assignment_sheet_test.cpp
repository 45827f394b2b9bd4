// SPDX-License-Identifier: GPL-3.0-or-later
// --sheet ASSIGNMENT through the real program: the worksheet and its answer
// key as the PDF's text, the HTML page, and a sheet that cannot be written.

#include "command_line_helpers.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QByteArray assignment = "задание: Лист за четвъртък\n"
                              "докажи: A v (A ^ B) = A\n"
                              "опрости: (A -> B) ^ (B -> A)\n"
                              "таблица: A Xor B\n"
                              "карта: A ^ B v C ^ D\n"
                              "закон: !(A ^ B) => !A v !B\n";

// The PDF's words, blanks folded: pdftotext places blanks by the glyphs.
QString pdfText(const QString &pdf) {
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    process.waitForFinished();
    return QString::fromUtf8(process.readAllStandardOutput()).simplified();
}

} // namespace

class AssignmentSheetTest : public QObject {
    Q_OBJECT

    QTemporaryDir folder;
    QString path(const QString &name) const { return folder.filePath(name); }

private slots:
    void initTestCase() {
        QVERIFY(folder.isValid());
        QVERIFY2(!QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty(),
                 "pdftotext (poppler-utils) is not installed");
        QFile file(path("задание.txt"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(assignment);
    }

    void sheet_data() {
        QTest::addColumn<bool>("key");
        QTest::addColumn<QStringList>("present");
        QTest::addColumn<QStringList>("absent");
        const QStringList statements{"Лист за четвъртък",         "Задача 1",
                                     "Докажи: A v A ^ B = A",     "Опрости: (A -> B) ^ (B -> A)",
                                     "Таблица: A Xor B",          "Карта: A ^ B v C ^ D",
                                     "Закон: !(A ^ B) → !A v !B", "AB\\CD 00 01 11 10"};
        QTest::newRow("worksheet") << false << statements
                                   << QStringList{"Закон на де Морган", "Минимална ДНФ",
                                                  "[Закон за поглъщане]"};
        QTest::newRow("answer key") << true
                                    << statements + QStringList{"= A [Закон за поглъщане]",
                                                                "Минимална ДНФ: A ^ B v !A ^ !B",
                                                                "A B A Xor B 0 0 0 0 1 1 1 0 1 1 1 0",
                                                                "1. A ^ B 2. C ^ D",
                                                                "Законът: Закон на де Морган"}
                                    << QStringList{};
    }
    void sheet() {
        QFETCH(bool, key);
        QFETCH(QStringList, present);
        QFETCH(QStringList, absent);
        QStringList arguments{"--sheet", path("задание.txt"), "--output", path("лист.pdf")};
        if (key)
            arguments << "--key";
        const ProgramRun run = runProgram(arguments);
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out + run.err, QByteArray());
        const QString text = pdfText(path("лист.pdf"));
        for (const QString &words : present)
            QVERIFY2(text.contains(words), qPrintable(words));
        for (const QString &words : absent)
            QVERIFY2(!text.contains(words), qPrintable(words));
    }

    void the_empty_map_runs_in_gray_order() {
        const ProgramRun run = runProgram({"--sheet", path("задание.txt"), "--output", path("лист.html")});
        QCOMPARE(run.exitCode, 0);
        QFile file(path("лист.html"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString html = QString::fromUtf8(file.readAll());
        QVERIFY(html.contains("<th>AB\\CD</th><th>00</th><th>01</th><th>11</th><th>10</th>"));
        QVERIFY(html.contains("<title>Лист за четвъртък</title>"));
    }

    void refusals_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("err");
        QTest::newRow("a folder that is not there")
            << QStringList{"--sheet", "задание.txt", "--output", "няма/лист.pdf"} << 1
            << "листът не е записан";
        QTest::newRow("a key of laws") << QStringList{"--sheet", "3", "--output", "x.pdf", "--key"} << 2
                                       << "„--key“ се дава само с „--sheet ЗАДАНИЕ“";
        QTest::newRow("neither a law nor a file") << QStringList{"--sheet", "22", "--output", "x.pdf"} << 2
                                                  << "иска номер на закон от 1 до 21 или „all“, а не „22“";
    }
    void refusals() {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, err);
        QVERIFY(QDir::setCurrent(folder.path()));
        const ProgramRun run = runProgram(arguments);
        QCOMPARE(run.exitCode, exitCode);
        QVERIFY2(QString::fromUtf8(run.err).contains(err), run.err.constData());
        QVERIFY(!QFile::exists(path("няма")));
    }
};

QTEST_GUILESS_MAIN(AssignmentSheetTest)
#include "assignment_sheet_test.moc"
