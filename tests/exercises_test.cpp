// SPDX-License-Identifier: GPL-3.0-or-later
// Exercises over many seeds of each kind and level, measured again from
// outside the generator: the level's bounds, the step's truth, that each is
// worth doing, the same from the same seed, and varied across seeds.

#include "counted_bounds.h"
#include "exercise.h"
#include "random_source.h"
#include "step_answer.h"

#include "formula_printer.h"
#include "karnaugh.h"
#include "working_form.h"

#include <QTest>

#include <set>

using exercises::Exercise;
using exercises::Kind;
using exercises::Level;

Q_DECLARE_METATYPE(Kind)
Q_DECLARE_METATYPE(Level)
Q_DECLARE_METATYPE(formulas::Operator)

namespace {

constexpr std::uint32_t seeds = 50;

Exercise made(Kind kind, Level level, std::uint32_t seed) {
    const std::optional<Exercise> exercise = exercises::generateExercise(kind, level, seed);
    if (!exercise)
        qFatal("no exercise from seed %u", seed);
    return *exercise;
}

std::string text(const Exercise &exercise) {
    return formulas::printed(exercise.formula) +
           (exercise.goal ? " | " + formulas::printed(exercise.goal) : "");
}

int literals(const formulas::Tree &tree) {
    if (tree->op == formulas::Operator::Variable)
        return 1;
    int count = 0;
    for (const formulas::Tree &operand : tree->operands)
        count += literals(operand);
    return count;
}

bool holds(const formulas::Tree &tree, std::initializer_list<formulas::Operator> ops) {
    if (std::find(ops.begin(), ops.end(), tree->op) != ops.end())
        return true;
    return std::any_of(tree->operands.begin(), tree->operands.end(),
                       [&](const formulas::Tree &operand) { return holds(operand, ops); });
}

bool usesDefinitions(const formulas::Tree &tree) {
    using formulas::Operator;
    return holds(tree, {Operator::Implies, Operator::Equivalent, Operator::Xor});
}

int coverLiterals(const derivations::Cover &cover) {
    int count = 0;
    for (const derivations::Term &term : cover)
        count += derivations::literalCount(term);
    return count;
}

std::vector<derivations::Cover> minimalCovers(const Exercise &exercise) {
    const std::vector<char> letters = derivations::lettersOf(exercise.formula, nullptr);
    return derivations::minimalSumsOfProducts(int(letters.size()),
                                              derivations::truthOf(exercise.formula, letters)[0]);
}

// The term's cells lie in the first and the last row (labelled 00 and 10)
// but not in every row, or so for the columns.
bool wrapsPastAnEdge(const derivations::KarnaughLayout &layout, derivations::Term term) {
    const std::uint64_t rows = derivations::rowsOf(layout.variableCount(), term);
    bool rowEdges[2]{}, columnEdges[2]{};
    std::set<int> rowsHeld, columnsHeld;
    for (int row = 0; row < layout.cellCount(); ++row) {
        if (!((rows >> row) & 1))
            continue;
        const derivations::MapCell cell = layout.cellOf(row);
        rowEdges[0] |= cell.row == 0, rowEdges[1] |= cell.row == layout.rows() - 1;
        columnEdges[0] |= cell.column == 0, columnEdges[1] |= cell.column == layout.columns() - 1;
        rowsHeld.insert(cell.row);
        columnsHeld.insert(cell.column);
    }
    return (rowEdges[0] && rowEdges[1] && int(rowsHeld.size()) < layout.rows()) ||
           (columnEdges[0] && columnEdges[1] && int(columnsHeld.size()) < layout.columns());
}

// With the letters F and G hold together at each level: the proofs' 2, 3, and
// 3 or 4; the formulas to simplify, tables and maps 2, 3, 4; the law steps
// any.
void addKindsAndLevels() {
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<Level>("level");
    QTest::addColumn<int>("fewest");
    QTest::addColumn<int>("most");
    for (int kind = 0; kind < exercises::kindCount; ++kind)
        for (int level = 0; level < exercises::levelCount; ++level) {
            int fewest = 2 + level, most = 2 + level;
            if (Kind(kind) == Kind::Prove && level == 2)
                fewest = 3;
            if (Kind(kind) == Kind::Law)
                fewest = 1, most = 6;
            QTest::addRow("%s %s", exercises::kindName(Kind(kind)), exercises::levelName(Level(level)))
                << Kind(kind) << Level(level) << fewest << most;
        }
}

void addLevels() {
    QTest::addColumn<Level>("level");
    for (int level = 0; level < exercises::levelCount; ++level)
        QTest::addRow("%s", exercises::levelName(Level(level))) << Level(level);
}

} // namespace

class ExercisesTest : public QObject {
    Q_OBJECT

private slots:
    // Other standard libraries must draw the same numbers: SplitMix64's
    // published first outputs from the seed 0.
    void the_numbers_drawn_are_splitmix64() {
        exercises::RandomSource random(0);
        QCOMPARE(random.next(), 0xe220'a839'7b1d'cdafULL);
        QCOMPARE(random.next(), 0x6e78'9e6a'a1b9'65f4ULL);
        QCOMPARE(random.next(), 0x06c4'5d18'8009'454fULL);
    }

    void an_exercise_is_its_kind_level_and_seed_data() { addKindsAndLevels(); }
    void an_exercise_is_its_kind_level_and_seed() {
        QFETCH(Kind, kind);
        QFETCH(Level, level);
        QFETCH(int, fewest);
        QFETCH(int, most);
        std::set<std::string> distinct;
        for (std::uint32_t seed = 0; seed < seeds; ++seed) {
            const Exercise exercise = made(kind, level, seed);
            QCOMPARE(exercise.kind, kind);
            QCOMPARE(exercise.level, level);
            const int variables = int(derivations::lettersOf(exercise.formula, exercise.goal).size());
            QVERIFY2(variables >= fewest && variables <= most, text(exercise).c_str());
            const Exercise again = made(kind, level, seed);
            QCOMPARE(text(again), text(exercise));
            QCOMPARE(again.seed, exercise.seed);
            // A seed that gave nothing moves on to the next, and says so.
            QVERIFY(exercise.seed >= seed);
            if (exercise.seed != seed)
                QCOMPARE(text(made(kind, level, exercise.seed)), text(exercise));
            distinct.insert(text(exercise));
        }
        QVERIFY2(distinct.size() >= 45, qPrintable(QString::number(distinct.size())));
    }

    // The program's own derivation of F = G, within the bounds a window
    // searches with, takes the level's number of steps; G is not F written
    // in another order or grouping.
    void a_proof_takes_the_levels_steps_data() {
        QTest::addColumn<Level>("level");
        QTest::addColumn<int>("fewest");
        QTest::addColumn<int>("most");
        QTest::newRow("лесно") << Level::Easy << 2 << 4;
        QTest::newRow("средно") << Level::Medium << 5 << 8;
        QTest::newRow("трудно") << Level::Hard << 9 << 16;
    }
    void a_proof_takes_the_levels_steps() {
        QFETCH(Level, level);
        QFETCH(int, fewest);
        QFETCH(int, most);
        for (std::uint32_t seed = 0; seed < seeds; ++seed) {
            const Exercise exercise = made(Kind::Prove, level, seed);
            const std::string text_ = text(exercise);
            const char *what = text_.c_str();
            QVERIFY2(!derivations::same(exercise.formula, exercise.goal), what);
            const derivations::DeriveResult result = derivations::derive(
                exercise.formula, exercise.goal, derivations::allLaws(), exercises::proofBounds());
            QCOMPARE(result.outcome, derivations::DeriveOutcome::Found);
            const int steps = int(result.derivation.steps.size());
            QVERIFY2(steps >= fewest && steps <= most, what);
            QCOMPARE(steps, int(exercise.derivation.steps.size()));
            if (level == Level::Hard)
                QVERIFY2(usesDefinitions(exercise.formula) || usesDefinitions(exercise.goal), what);
        }
    }

    // F has 1.5 (2 variables) or 2 times the literals of its minimal sum,
    // which is no constant; the program's own chain ends in a minimal sum.
    void a_formula_to_simplify_is_far_from_minimal_data() { addLevels(); }
    void a_formula_to_simplify_is_far_from_minimal() {
        QFETCH(Level, level);
        const double times = level == Level::Easy ? 1.5 : 2;
        for (std::uint32_t seed = 0; seed < seeds; ++seed) {
            const Exercise exercise = made(Kind::Simplify, level, seed);
            const std::vector<derivations::Cover> covers = minimalCovers(exercise);
            const int minimal = coverLiterals(covers.front());
            QVERIFY2(minimal > 0, text(exercise).c_str());
            QVERIFY2(literals(exercise.formula) >= times * minimal, text(exercise).c_str());
            const derivations::DeriveResult result =
                derivations::simplify(exercise.formula, exercises::countedBounds(exercises::simplifySteps));
            QCOMPARE(result.outcome, derivations::DeriveOutcome::Found);
            QCOMPARE(literals(result.derivation.steps.back().formula), minimal);
        }
    }

    // Easy tables hold "!", "^" and "v" only; some medium ones "->"; some
    // hard ones "<-->" or "Xor"; none is constant.
    void a_table_uses_the_levels_operators_data() {
        using formulas::Operator;
        QTest::addColumn<Level>("level");
        QTest::addColumn<QList<Operator>>("allowed");
        QTest::addColumn<QList<Operator>>("someUse");
        QTest::newRow("лесно") << Level::Easy << QList<Operator>{} << QList<Operator>{};
        QTest::newRow("средно") << Level::Medium << QList<Operator>{Operator::Implies}
                                << QList<Operator>{Operator::Implies};
        QTest::newRow("трудно") << Level::Hard
                                << QList<Operator>{Operator::Implies, Operator::Equivalent, Operator::Xor}
                                << QList<Operator>{Operator::Equivalent, Operator::Xor};
    }
    void a_table_uses_the_levels_operators() {
        using formulas::Operator;
        QFETCH(Level, level);
        QFETCH(QList<Operator>, allowed);
        QFETCH(QList<Operator>, someUse);
        int using_ = 0;
        for (std::uint32_t seed = 0; seed < seeds; ++seed) {
            const Exercise exercise = made(Kind::Table, level, seed);
            for (const Operator op : {Operator::Implies, Operator::Equivalent, Operator::Xor})
                if (!allowed.contains(op))
                    QVERIFY2(!holds(exercise.formula, {op}), text(exercise).c_str());
            for (const Operator op : someUse)
                if (holds(exercise.formula, {op})) {
                    ++using_;
                    break;
                }
            const std::vector<std::uint64_t> truth =
                derivations::truthOf(exercise.formula, derivations::lettersOf(exercise.formula, nullptr));
            const std::uint64_t all = ~std::uint64_t(0) >> (64 - (1u << exercise.letters.size()));
            QVERIFY2(truth[0] != 0 && truth[0] != all, text(exercise).c_str());
        }
        QVERIFY(someUse.isEmpty() || using_ > 0);
    }

    // At least two groups; at the hard level some minimal cover wraps past an
    // edge; the groups of the answer pass the map's own grading.
    void a_map_has_groups_to_find_data() { addLevels(); }
    void a_map_has_groups_to_find() {
        QFETCH(Level, level);
        for (std::uint32_t seed = 0; seed < seeds; ++seed) {
            const Exercise exercise = made(Kind::Map, level, seed);
            const auto layout = derivations::KarnaughLayout::forVariables(int(exercise.letters.size()));
            QVERIFY(layout);
            const std::vector<derivations::Cover> covers = minimalCovers(exercise);
            QVERIFY2(covers.front().size() >= 2, text(exercise).c_str());
            bool wraps = false;
            for (const derivations::Cover &cover : covers)
                for (const derivations::Term &term : cover)
                    wraps |= wrapsPastAnEdge(*layout, term);
            if (level == Level::Hard)
                QVERIFY2(wraps, text(exercise).c_str());
            std::vector<derivations::MapGroup> groups;
            for (const derivations::Term &term : exercise.minimalCover)
                groups.push_back(derivations::groupOf(*layout, term));
            QVERIFY(derivations::gradeGroups(*layout, exercise.truth, groups).correct());
        }
    }

    // The step is by the law it names, and no mistake gives it; or it is not
    // equivalent and the mistake it names gives it, and no law does. Past the
    // easy level the step sits inside a larger formula: F and G share an
    // operand that stays as it is.
    void a_law_step_is_what_it_names_data() { addLevels(); }
    void a_law_step_is_what_it_names() {
        QFETCH(Level, level);
        int mistakes = 0;
        for (std::uint32_t seed = 0; seed < seeds; ++seed) {
            const Exercise exercise = made(Kind::Law, level, seed);
            const std::string text_ = text(exercise);
            const char *what = text_.c_str();
            const bool isMistake = std::holds_alternative<derivations::MistakeId>(exercise.step);
            mistakes += isMistake;
            QCOMPARE(bool(derivations::counterexampleOf(exercise.formula, exercise.goal)), isMistake);
            QVERIFY2(exercises::isRightAnswer(exercise, exercise.step), what);
            for (const exercises::StepName &other : exercises::stepChoices())
                if (other.index() != exercise.step.index())
                    QVERIFY2(!exercises::isRightAnswer(exercise, other), what);
            const bool orderOrGrouping =
                exercise.step == exercises::StepName{derivations::LawId::Commutative} ||
                exercise.step == exercises::StepName{derivations::LawId::Associative};
            QVERIFY2(orderOrGrouping || !derivations::same(exercise.formula, exercise.goal), what);
            if (level == Level::Easy)
                continue;
            const formulas::Tree before = derivations::flattened(exercise.formula);
            const formulas::Tree after = derivations::flattened(exercise.goal);
            bool shared = false;
            if (before->op == after->op)
                for (const formulas::Tree &item : derivations::itemsOf(before->op, before))
                    for (const formulas::Tree &other : derivations::itemsOf(after->op, after))
                        shared |= derivations::same(item, other);
            QVERIFY2(shared, what);
        }
        QCOMPARE(mistakes > 0, level == Level::Hard);
    }

    // Seeds run from 0 to 2^31 - 1; after the last comes 0.
    void seeds_wrap_after_the_last() {
        QCOMPARE(exercises::nextSeed(exercises::maxSeed), 0u);
        QCOMPARE(exercises::nextSeed(41), 42u);
        const std::optional<Exercise> last =
            exercises::generateExercise(Kind::Prove, Level::Hard, exercises::maxSeed);
        QVERIFY(last);
        QVERIFY(last->seed == exercises::maxSeed || last->seed < 1000);
        QVERIFY(!exercises::generateExercise(Kind::Table, Level::Easy, exercises::maxSeed + 1));
        QVERIFY(!exercises::generateExercise(Kind(9), Level::Easy, 0));
        QVERIFY(!exercises::generateExercise(Kind::Table, Level(7), 0));
    }
};

QTEST_APPLESS_MAIN(ExercisesTest)
#include "exercises_test.moc"
