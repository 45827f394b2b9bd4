// SPDX-License-Identifier: GPL-3.0-or-later
// --grade through the real program: a class of planted answers files, the
// lines on standard output and error, the exit codes and the CSV.

#include "command_line_helpers.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QByteArray assignment = "задание: Упражнение 3\n"
                              "подсказки: не\n"
                              "докажи: A v (A ^ B) = A\n"
                              "таблица: A Xor B\n"
                              "карта: A ^ B v C ^ D\n"
                              "закон: !(A ^ B) => !A v !B\n";

QByteArray answers(const QByteArray &student, const QByteArray &blocks, const QByteArray &sha256) {
    return "отговори: Упражнение 3\nзадание: " + sha256 + "\nученик: " + student + "\n" + blocks;
}

void write(const QString &path, const QByteArray &bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

class GradeCommandTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString in(const QString &name) const { return dir.filePath(name); }

private slots:
    void initTestCase() {
        QVERIFY(dir.isValid());
        QVERIFY(QDir::setCurrent(dir.path()));
        write("задание.txt", assignment);
        const QByteArray sha = QCryptographicHash::hash(assignment, QCryptographicHash::Sha256).toHex();
        write("ivan.txt", answers("Иван Петров, \"Ванката\"",
                                  "\nзадача 1\nподсказки: 0\nA v (A ^ B)\nA  [Закон за поглъщане]\n"
                                  "\nзадача 2\nподсказки: 2\n0 1 1 0\n"
                                  "\nзадача 3\nподсказки: 0\nA ^ B\nC ^ D\n"
                                  "\nзадача 4\nподсказки: 0\nDe Morgan's law\n",
                                  sha));
        write("maria.txt", answers("Мария",
                                   "\nзадача 1\nA v (A ^ B)\nA ^ B\n# вярно\n"
                                   "\nзадача 2\n0 1 1 1\n\nзадача 3\nA ^ B ^ C\nA ^ B ^ !C\nC ^ D\n"
                                   "\nзадача 4\nЗакон за поглъщане\n",
                                   sha));
        write("other.txt", answers("Петър", "\nзадача 2\n0 1 1 0\n", QByteArray(64, '0')));
        write("edited.txt", answers("Гошо", "\nзадача 2\n0 1 1 1\nрешена: да\n", sha));
        write("binary.txt", QByteArray("\x7f"
                                       "ELF\x02\x01\x00\xff",
                                       8));
        write("bad-assignment.txt", "задание: Т\n\n# бележка\nдокажии: A = A\n");
    }

    void a_class_is_graded() {
        const ProgramRun run =
            runProgram({"--grade", "задание.txt", "ivan.txt", "maria.txt", "other.txt", "edited.txt",
                        "binary.txt", "missing.txt", "--output", "оценки.csv"});
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(QString::fromUtf8(run.out),
                 "Иван Петров, \"Ванката\"  ivan.txt  ✓ ✓ ✓ ✓  4 от 4  подсказки!\n"
                 "Мария  maria.txt  ✗ ✗ ✗ ✗  0 от 4\n"
                 "задача 1: решили 1, опитали 2, най-честа грешка: грешно поглъщане, големи стъпки: 0\n"
                 "задача 2: решили 1, опитали 2, най-честа грешка: —, големи стъпки: 0\n"
                 "задача 3: решили 1, опитали 2, най-честа грешка: —, големи стъпки: 0\n"
                 "задача 4: решили 1, опитали 2, най-честа грешка: —, големи стъпки: 0\n");
        const QStringList refusals = QString::fromUtf8(run.err).split('\n', Qt::SkipEmptyParts);
        QCOMPARE(refusals.size(), 4);
        QVERIFY2(refusals[0].endsWith("„other.txt“: отговорите са на друго задание, не на „задание.txt“"),
                 qPrintable(refusals[0]));
        QVERIFY2(refusals[1].endsWith(
                     "„edited.txt“, ред 7: редът „решена: да“ не е част от решението на задачата"),
                 qPrintable(refusals[1]));
        QVERIFY2(refusals[2].endsWith("„binary.txt“, файлът не е текст в UTF-8"), qPrintable(refusals[2]));
        QVERIFY2(refusals[3].endsWith("няма файл „missing.txt“"), qPrintable(refusals[3]));

        QFile csv("оценки.csv");
        QVERIFY(csv.open(QIODevice::ReadOnly));
        QCOMPARE(csv.readAll(), QByteArray("ученик,файл,1,2,3,4,общо\r\n"
                                           "\"Иван Петров, \"\"Ванката\"\"\",ivan.txt,1,1,1,1,4\r\n"
                                           "Мария,maria.txt,0,0,0,0,0\r\n"));
    }

    void the_same_files_give_the_same_bytes() {
        const QStringList arguments{"--grade", "задание.txt", "maria.txt", "ivan.txt", "other.txt"};
        const ProgramRun first = runProgram(arguments);
        const ProgramRun second = runProgram(arguments);
        QCOMPARE(first.out, second.out);
        QCOMPARE(first.err, second.err);
        QVERIFY(first.out.startsWith("Мария  maria.txt"));
    }

    void english_run() {
        const ProgramRun run = runProgram({"--language", "en", "--grade", "задание.txt", "ivan.txt"});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(QString::fromUtf8(run.out).section('\n', 0, 1),
                 "Иван Петров, \"Ванката\"  ivan.txt  ✓ ✓ ✓ ✓  4 of 4  hints!\n"
                 "task 1: solved 1, tried 1, most common mistake: —, big steps: 0");
    }

    void exit_codes_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("err");
        QTest::newRow("every file graded")
            << QStringList{"--grade", "задание.txt", "ivan.txt", "maria.txt"} << 0 << "";
        QTest::newRow("no answers file") << QStringList{"--grade", "задание.txt"} << 2
                                         << "„--grade“ иска след заданието поне един файл с отговори";
        QTest::newRow("an unreadable assignment")
            << QStringList{"--grade", "bad-assignment.txt", "ivan.txt"} << 2
            << "„bad-assignment.txt“, ред 4: непознат вид задача „докажии“";
        QTest::newRow("no assignment")
            << QStringList{"--grade", "няма.txt", "ivan.txt"} << 2 << "няма файл „няма.txt“";
        QTest::newRow("a CSV that cannot be written")
            << QStringList{"--grade", "задание.txt", "ivan.txt", "--output", "няма/оценки.csv"} << 1
            << "файлът „няма/оценки.csv“ не може да се запише";
        QTest::newRow("output without a mode")
            << QStringList{"--output", "x.csv"} << 2 << "„--output“ се дава само с „--sheet“ или „--grade“";
    }
    void exit_codes() {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, err);
        const ProgramRun run = runProgram(arguments);
        QCOMPARE(run.exitCode, exitCode);
        QVERIFY2(QString::fromUtf8(run.err).contains(err), run.err.constData());
        QCOMPARE(run.err.count('\n'), err.isEmpty() ? 0 : 1);
    }
};

QTEST_GUILESS_MAIN(GradeCommandTest)
#include "grade_command_test.moc"
