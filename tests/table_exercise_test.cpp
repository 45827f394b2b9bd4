// SPDX-License-Identifier: GPL-3.0-or-later
// Grading of "check yourself" over every law of the catalogue: whatever the
// student writes, right answers count, wrong ones and blanks do not, and
// every cell to fill counts towards the total.

#include "law_catalogue.h"
#include "table_exercise.h"

#include <QTest>

#include <random>

using formulas::Answer;
using formulas::Mark;

class TableExerciseTest : public QObject {
    Q_OBJECT

private slots:
    void grading_counts_right_answers_only_data() {
        QTest::addColumn<int>("law");
        QTest::addColumn<QString>("pattern");
        for (int law = 0; law < 21; ++law)
            for (const char *pattern : {"all right", "all wrong", "every third blank", "random"})
                QTest::addRow("law %d, %s", law + 1, pattern) << law << QString::fromLatin1(pattern);
    }
    void grading_counts_right_answers_only() {
        QFETCH(int, law);
        QFETCH(QString, pattern);
        const catalogue::LawRow &row = catalogue::lawCatalogue[std::size_t(law)];
        formulas::TableExercise exercise(std::get<formulas::TruthTable>(formulas::tabulate(
            QString::fromUtf8(row.formula.data(), qsizetype(row.formula.size())).toStdU32String())));
        QCOMPARE(exercise.cellCount(), row.variableCount == "3" ? 16 : 8); // two sides on every row

        // Each cell's answer, and the mark it must earn, chosen cell by cell.
        std::mt19937 random{unsigned(law)};
        std::vector<Mark> expected;
        for (int cell = 0; cell < exercise.cellCount(); ++cell) {
            const bool truth = exercise.truth(cell / 2, cell % 2);
            Mark mark = pattern == QLatin1String("all wrong") ? Mark::Wrong : Mark::Right;
            if (pattern == QLatin1String("every third blank") && cell % 3 == 0)
                mark = Mark::Blank;
            if (pattern == QLatin1String("random"))
                mark = std::array{Mark::Blank, Mark::Right, Mark::Wrong}[random() % 3];
            const bool given = mark == Mark::Right ? truth : !truth;
            exercise.setAnswer(cell / 2, cell % 2,
                               mark == Mark::Blank ? Answer::Blank
                               : given             ? Answer::One
                                                   : Answer::Zero);
            expected.push_back(mark);
        }
        for (int cell = 0; cell < exercise.cellCount(); ++cell)
            QCOMPARE(exercise.mark(cell / 2, cell % 2), expected[std::size_t(cell)]);
        QCOMPARE(exercise.rightCount(), int(std::count(expected.begin(), expected.end(), Mark::Right)));

        exercise.clear();
        QCOMPARE(exercise.rightCount(), 0);
        QCOMPARE(exercise.mark(0, 0), Mark::Blank);
    }
};

QTEST_MAIN(TableExerciseTest)
#include "table_exercise_test.moc"
