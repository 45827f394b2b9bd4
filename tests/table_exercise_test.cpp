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

namespace {

enum class Pattern { AllRight, AllWrong, RightWithBlanks, Random };

Answer answerFor(bool value) { return value ? Answer::One : Answer::Zero; }

formulas::TableExercise exerciseOf(std::string_view formula) {
    auto table = formulas::tabulate(formula);
    if (!std::holds_alternative<formulas::TruthTable>(table))
        qFatal("a formula that does not read: %.*s", int(formula.size()), formula.data());
    return formulas::TableExercise(std::get<formulas::TruthTable>(table));
}

} // namespace

Q_DECLARE_METATYPE(Pattern)

class TableExerciseTest : public QObject {
    Q_OBJECT

private slots:
    void grading_counts_right_answers_only_data() {
        QTest::addColumn<int>("law");
        QTest::addColumn<Pattern>("pattern");
        for (int law = 0; law < 21; ++law)
            for (auto [name, pattern] : {std::pair{"all right", Pattern::AllRight},
                                         {"all wrong", Pattern::AllWrong},
                                         {"every third blank, the rest right", Pattern::RightWithBlanks},
                                         {"random", Pattern::Random}})
                QTest::addRow("law %d, %s", law + 1, name) << law << pattern;
    }
    void grading_counts_right_answers_only() {
        QFETCH(int, law);
        QFETCH(Pattern, pattern);
        formulas::TableExercise exercise = exerciseOf(catalogue::lawCatalogue[std::size_t(law)].formula);
        const bool threeVariables = catalogue::lawCatalogue[std::size_t(law)].variableCount == "3";
        QCOMPARE(exercise.rows(), threeVariables ? 8 : 4);
        QCOMPARE(exercise.cellCount(), 2 * exercise.rows()); // every law has two sides

        std::mt19937 random{unsigned(law)};
        int expectedRight = 0;
        std::vector<Mark> expectedMarks;
        for (int row = 0; row < exercise.rows(); ++row) {
            for (int side = 0; side < 2; ++side) {
                const bool truth = exercise.truth(row, side);
                const int cell = 2 * row + side;
                Answer given = answerFor(pattern == Pattern::AllWrong ? !truth : truth);
                if ((pattern == Pattern::RightWithBlanks && cell % 3 == 0) ||
                    (pattern == Pattern::Random && random() % 3 == 0))
                    given = Answer::Blank;
                else if (pattern == Pattern::Random && random() % 2 == 0)
                    given = answerFor(!truth);
                exercise.setAnswer(row, side, given);
                const Mark mark = given == Answer::Blank      ? Mark::Blank
                                  : given == answerFor(truth) ? Mark::Right
                                                              : Mark::Wrong;
                expectedMarks.push_back(mark);
                expectedRight += mark == Mark::Right;
            }
        }
        for (int row = 0; row < exercise.rows(); ++row)
            for (int side = 0; side < 2; ++side)
                QCOMPARE(exercise.mark(row, side), expectedMarks[std::size_t(2 * row + side)]);
        QCOMPARE(exercise.rightCount(), expectedRight);
        if (pattern == Pattern::AllRight)
            QCOMPARE(exercise.rightCount(), exercise.cellCount());
        if (pattern == Pattern::AllWrong)
            QCOMPARE(exercise.rightCount(), 0);

        exercise.clear();
        QCOMPARE(exercise.rightCount(), 0);
        QCOMPARE(exercise.mark(0, 1), Mark::Blank);
    }

    // The sides' truth is the table's: "A -> B = !A v B" has both sides
    // 1, 1, 0, 1; without "=" the one cell of a row is the formula's value.
    void truth_comes_from_the_table_and_a_formula_alone_has_one_cell_a_row() {
        formulas::TableExercise sides = exerciseOf("A -> B = !A v B");
        for (int side = 0; side < 2; ++side)
            for (int row = 0; row < 4; ++row)
                QCOMPARE(sides.truth(row, side), row != 2);
        formulas::TableExercise alone = exerciseOf("A ^ !B");
        QCOMPARE(alone.sides(), 1);
        QCOMPARE(alone.cellCount(), 4);
        QCOMPARE(alone.truth(2, 0), true);
        QCOMPARE(alone.truth(3, 0), false);
    }

    void toggling_steps_blank_zero_one_blank() {
        formulas::TableExercise exercise = exerciseOf("A");
        std::vector<Answer> seen;
        for (int step = 0; step < 4; ++step) {
            seen.push_back(exercise.answer(1, 0));
            exercise.toggle(1, 0);
        }
        QCOMPARE(seen, (std::vector{Answer::Blank, Answer::Zero, Answer::One, Answer::Blank}));
        QCOMPARE(exercise.answer(0, 0), Answer::Blank); // only the one cell moves
    }
};

QTEST_MAIN(TableExerciseTest)
#include "table_exercise_test.moc"
