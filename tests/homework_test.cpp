// SPDX-License-Identifier: GPL-3.0-or-later
// Assignments read, written and read back; every refusal with its line; a
// class of planted answers files graded from their work alone.

#include "answers.h"
#include "assignment.h"
#include "grading.h"

#include "formula_printer.h"
#include "step_answer.h"

#include <QTest>

using homework::AnswersProblem;
using homework::AssignmentProblem;
using homework::Mark;
using homework::TaskKind;

Q_DECLARE_METATYPE(AssignmentProblem)
Q_DECLARE_METATYPE(AnswersProblem)
Q_DECLARE_METATYPE(TaskKind)
Q_DECLARE_METATYPE(Mark)

namespace {

// Six tasks, one of each kind and one made from a seed; no hints allowed.
const char *const classAssignment = "# Упражнение за четвъртък\n"
                                    "задание: Булеви закони, упражнение 3\n"
                                    "подсказки: не\n"
                                    "\n"
                                    "докажи: A v (A ^ B) = A\n"
                                    "опрости: (A -> B) ^ (B -> A)\n"
                                    "таблица: A Xor B\n"
                                    "карта: A ^ B v C ^ D\n"
                                    "закон: !(A ^ B) => !A v !B\n"
                                    "таблица: A ^ B = B ^ A\n";

homework::Assignment assignmentOf(const std::string &text) {
    auto read = homework::readAssignment(text);
    if (const auto *error = std::get_if<homework::AssignmentError>(&read))
        qFatal("assignment refused on line %d (%d)", error->line, int(error->problem));
    return std::get<homework::Assignment>(read);
}

const std::string header = "отговори: Булеви закони, упражнение 3\n"
                           "задание: 0123456789abcdef0123456789abcdef0123456789abcdef0123456789abcdef\n"
                           "ученик: Иван Петров\n";

std::string block(int task, const std::string &work, int hints = 0) {
    return "\nзадача " + std::to_string(task) + "\nподсказки: " + std::to_string(hints) + '\n' + work;
}

QString marks(const std::vector<homework::TaskGrade> &grades) {
    QString text;
    for (const homework::TaskGrade &grade : grades)
        text += grade.mark == Mark::Solved  ? QLatin1Char('+')
                : grade.mark == Mark::Tried ? QLatin1Char('x')
                                            : QLatin1Char('-');
    return text;
}

} // namespace

class HomeworkTest : public QObject {
    Q_OBJECT

private slots:
    void everyKeyInEitherLanguage_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<TaskKind>("kind");
        QTest::newRow("докажи") << "докажи: A v (A ^ B) = A" << TaskKind::Prove;
        QTest::newRow("prove") << "prove: A v (A ^ B) = A" << TaskKind::Prove;
        QTest::newRow("Докажи, capital") << "Докажи: A ^ (A v B) = A" << TaskKind::Prove;
        QTest::newRow("опрости") << "опрости: (A -> B) ^ (B -> A)" << TaskKind::Simplify;
        QTest::newRow("simplify") << "simplify: A ^ B v A ^ !B" << TaskKind::Simplify;
        QTest::newRow("таблица") << "таблица: A Xor B" << TaskKind::Table;
        QTest::newRow("TABLE") << "TABLE: A -> B = !A v B" << TaskKind::Table;
        QTest::newRow("карта") << "карта: A ^ B v C ^ D" << TaskKind::Map;
        QTest::newRow("map") << "map: A v B" << TaskKind::Map;
        QTest::newRow("закон, arrow") << "закон: !(A ^ B) → !A v !B" << TaskKind::Law;
        QTest::newRow("law, =>") << "law: !(A ^ B) => !A v !B" << TaskKind::Law;
        QTest::newRow("law, a mistake") << "law: !(A ^ B) => !A ^ !B" << TaskKind::Law;
        QTest::newRow("level and seed") << "докажи: средно 12345" << TaskKind::Prove;
        QTest::newRow("English level") << "map: Hard 7" << TaskKind::Map;
    }
    void everyKeyInEitherLanguage() {
        QFETCH(QString, line);
        QFETCH(TaskKind, kind);
        for (const char *title : {"задание: Т", "assignment: T"})
            for (const char *hints : {"", "подсказки: да\n", "hints: no\n", "Hints: Yes\n"}) {
                const homework::Assignment read =
                    assignmentOf(std::string(title) + "\n" + hints + line.toStdString() + "\n");
                QCOMPARE(read.tasks.size(), 1u);
                QCOMPARE(read.tasks[0].kind, kind);
                QCOMPARE(read.tasks[0].line, *hints ? 3 : 2);
                QCOMPARE(read.hints, !QByteArray(hints).contains("no"));
            }
    }

    void levelAndSeedStandForTheProgramsExercise() {
        const homework::Assignment read = assignmentOf("задание: Т\nдокажи: средно 12345\nlaw: easy 0\n");
        const auto prove =
            exercises::generateExercise(exercises::Kind::Prove, exercises::Level::Medium, 12345);
        QVERIFY(prove);
        QCOMPARE(read.tasks[0].level, exercises::Level::Medium);
        QCOMPARE(read.tasks[0].seed, 12345u);
        QCOMPARE(formulas::printed(read.tasks[0].exercise.formula), formulas::printed(prove->formula));
        QCOMPARE(formulas::printed(read.tasks[0].exercise.goal), formulas::printed(prove->goal));
        QCOMPARE(read.tasks[1].exercise.kind, exercises::Kind::Law);
    }

    void writtenAssignmentReadsBackTheSame() {
        const homework::Assignment first = assignmentOf(classAssignment + std::string("карта: трудно 99\n"));
        for (const bool english : {false, true}) {
            const homework::Assignment again = assignmentOf(homework::writeAssignment(first, english));
            QCOMPARE(again.title, first.title);
            QCOMPARE(again.hints, first.hints);
            QCOMPARE(again.tasks.size(), first.tasks.size());
            for (std::size_t i = 0; i < first.tasks.size(); ++i) {
                QCOMPARE(again.tasks[i].kind, first.tasks[i].kind);
                QCOMPARE(again.tasks[i].level, first.tasks[i].level);
                QCOMPARE(again.tasks[i].seed, first.tasks[i].seed);
                QCOMPARE(formulas::printed(again.tasks[i].exercise.formula),
                         formulas::printed(first.tasks[i].exercise.formula));
            }
        }
    }

    void refusalsNameTheirLine_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("line");
        QTest::addColumn<AssignmentProblem>("problem");
        QTest::addColumn<QString>("detail");
        const QByteArray top = "задание: Т\n";
        QTest::newRow("unknown kind") << top + "\n# бележка\nдокажии: A = A\n"
                                      << 4 << AssignmentProblem::UnknownKind << "докажии";
        QTest::newRow("a line without a key") << top + "A v B\n"
                                              << 2 << AssignmentProblem::UnknownKind << "A v B";
        QTest::newRow("no title") << QByteArray("докажи: A = A\n") << 1 << AssignmentProblem::NoTitle
                                  << "докажи";
        QTest::newRow("empty title") << QByteArray("задание:  \n") << 1 << AssignmentProblem::EmptyTitle
                                     << "";
        QTest::newRow("bad hints") << top + "подсказки: може би\n"
                                   << 2 << AssignmentProblem::BadHintsValue << "може би";
        QTest::newRow("hints after a task") << top + "таблица: A\nподсказки: не\n"
                                            << 3 << AssignmentProblem::OutOfPlace << "подсказки";
        QTest::newRow("second title") << top + "таблица: A\nassignment: U\n"
                                      << 3 << AssignmentProblem::OutOfPlace << "assignment";
        QTest::newRow("formula") << top + "опрости: A ^ (B\n" << 2 << AssignmentProblem::BadFormula << "";
        QTest::newRow("formula of a law's right side") << top + "закон: A => B ^^ C\n"
                                                       << 2 << AssignmentProblem::BadFormula << "";
        QTest::newRow("prove without =") << top + "докажи: A v B\n"
                                         << 2 << AssignmentProblem::MissingEquals << "";
        QTest::newRow("simplify with =") << top + "опрости: A = B\n"
                                         << 2 << AssignmentProblem::UnexpectedEquals << "";
        QTest::newRow("map with =") << top + "карта: A v B = B\n"
                                    << 2 << AssignmentProblem::UnexpectedEquals << "";
        QTest::newRow("law without arrow") << top + "закон: !(A ^ B)\n"
                                           << 2 << AssignmentProblem::MissingArrow << "";
        QTest::newRow("law, two arrows") << top + "закон: A => B => C\n"
                                         << 2 << AssignmentProblem::MissingArrow << "";
        QTest::newRow("level without seed") << top + "карта: средно\n"
                                            << 2 << AssignmentProblem::BadLevelOrSeed << "средно";
        QTest::newRow("seed too large") << top + "карта: easy 2147483648\n"
                                        << 2 << AssignmentProblem::BadLevelOrSeed << "easy 2147483648";
        QTest::newRow("sides differ") << top + "докажи: A v B = A\n"
                                      << 2 << AssignmentProblem::NotEquivalent << "";
        QTest::newRow("map of five") << top + "карта: A ^ B v C ^ D v E\n"
                                     << 2 << AssignmentProblem::MapVariables << "5";
        QTest::newRow("map of one") << top + "карта: A\n" << 2 << AssignmentProblem::MapVariables << "1";
        QTest::newRow("a step of no law") << top + "закон: A => B ^ C\n"
                                          << 2 << AssignmentProblem::Unsolvable << "";
        QTest::newRow("empty") << QByteArray("# нищо\n\n") << 0 << AssignmentProblem::Empty << "";
        QTest::newRow("no tasks") << top << 0 << AssignmentProblem::NoTasks << "";
        QTest::newRow("not UTF-8") << top + "таблица: A \xff\n" << 0 << AssignmentProblem::NotUtf8 << "";
        QTest::newRow("overlong UTF-8") << top + "таблица: \xc0\xa1\n"
                                        << 0 << AssignmentProblem::NotUtf8 << "";
        QTest::newRow("over 1 MB") << top + QByteArray(1024 * 1024, '#') << 0 << AssignmentProblem::TooLarge
                                   << "";
    }
    void refusalsNameTheirLine() {
        QFETCH(QByteArray, text);
        QFETCH(int, line);
        QFETCH(AssignmentProblem, problem);
        QFETCH(QString, detail);
        const auto read =
            homework::readAssignment(std::string_view(text.constData(), std::size_t(text.size())));
        const auto *error = std::get_if<homework::AssignmentError>(&read);
        QVERIFY(error);
        QCOMPARE(error->line, line);
        QCOMPARE(error->problem, problem);
        QCOMPARE(QString::fromStdString(error->detail), detail);
    }

    void classOfPlantedAnswers_data() {
        QTest::addColumn<QString>("answers");
        QTest::addColumn<QString>("marks");
        const std::string right1 = "A v (A ^ B)\nA  [Закон за поглъщане]\n";
        const std::string right2 = "(A -> B) ^ (B -> A)\n(!A v B) ^ (!B v A)\n"
                                   "!A ^ !B v !A ^ A v B ^ !B v B ^ A\n!A ^ !B v B ^ A\n";
        const std::string rightAll = header + block(1, right1) + block(2, right2) + block(3, "0 1 1 0\n") +
                                     block(4, "A ^ B\nC ^ D\n") + block(5, "Закон на де Морган\n") +
                                     block(6, "0 0 0 1 | 0 0 0 1\n");
        QTest::newRow("right answers") << QString::fromStdString(rightAll) << "++++++";
        QTest::newRow("untouched tasks")
            << QString::fromStdString(header + block(3, "0 1 1 0\n")) << "--+---";
        QTest::newRow("a blank line and a repeated line in a chain")
            << QString::fromStdString(header + block(1, "A v (A ^ B)\n\nA v (A ^ B)\n= A\n")) << "+-----";
        QTest::newRow("a wrong step")
            << QString::fromStdString(header + block(1, "A v (A ^ B)\nA ^ B\nA\n")) << "x-----";
        QTest::newRow("a chain stopping short of G")
            << QString::fromStdString(header + block(1, "A v (A ^ B)\n(A v A) ^ (A v B)\n")) << "x-----";
        QTest::newRow("a chain from another formula")
            << QString::fromStdString(header + block(1, "A v A\nA\n")) << "x-----";
        QTest::newRow("an unreadable formula in a chain")
            << QString::fromStdString(header + block(1, "A v (A ^ B)\nA v (\nA\n")) << "x-----";
        QTest::newRow("a simplification ending in no sum")
            << QString::fromStdString(header + block(2, "(A -> B) ^ (B -> A)\n(!A v B) ^ (!B v A)\n"))
            << "-x----";
        QTest::newRow("a sum with a literal too many")
            << QString::fromStdString(
                   header + block(2, "(A -> B) ^ (B -> A)\n(!A v B) ^ (!B v A)\n"
                                     "!A ^ !B v !A ^ A v B ^ !B v B ^ A\n!A ^ !B v !A ^ A v B ^ A\n"))
            << "-x----";
        QTest::newRow("a table with one wrong cell")
            << QString::fromStdString(header + block(3, "0 1 1 1\n")) << "--x---";
        QTest::newRow("a table with a blank")
            << QString::fromStdString(header + block(3, "0 1 - 0\n")) << "--x---";
        QTest::newRow("a wrong right side")
            << QString::fromStdString(header + block(6, "0 0 0 1 | 0 1 0 1\n")) << "-----x";
        QTest::newRow("a non-minimal cover")
            << QString::fromStdString(header + block(4, "A ^ B ^ C\nA ^ B ^ !C\nC ^ D\n")) << "---x--";
        QTest::newRow("a cover missing a 1")
            << QString::fromStdString(header + block(4, "A ^ B\n")) << "---x--";
        QTest::newRow("a group over a letter of no map")
            << QString::fromStdString(header + block(4, "A ^ B\nC ^ D ^ E\n")) << "---x--";
        QTest::newRow("a wrong law") << QString::fromStdString(header + block(5, "Закон за поглъщане\n"))
                                     << "----x-";
        QTest::newRow("a law in any case, with a colon")
            << QString::fromStdString(header + block(5, "закон на де морган:\n")) << "----+-";
        QTest::newRow("a verdict claimed in comments")
            << QString::fromStdString(header + "# оценка: 6\n" +
                                      block(3, "# вярно, решена\n0 1 1 1\n# Вярно: минимално покритие\n"))
            << "--x---";
    }
    void classOfPlantedAnswers() {
        QFETCH(QString, answers);
        QFETCH(QString, marks);
        const homework::Assignment assignment = assignmentOf(classAssignment);
        const auto read = homework::readAnswers(answers.toStdString(), assignment);
        const auto *error = std::get_if<homework::AnswersError>(&read);
        QVERIFY2(!error, error ? error->detail.c_str() : "");
        const auto &answersRead = std::get<homework::Answers>(read);
        QCOMPARE(answersRead.student, "Иван Петров");
        QCOMPARE(::marks(homework::gradeAnswers(assignment, answersRead, {})), marks);
    }

    void mistakesAndBigStepsAreCounted() {
        const homework::Assignment assignment = assignmentOf(classAssignment);
        const std::string chain = "(A -> B) ^ (B -> A)\n(!A v B) ^ (!B v A)\n"
                                  "!A ^ !B v !A ^ A v B ^ !B v B ^ A\n!A ^ !B v B ^ A\n";
        const std::string wrong = "A v (A ^ B)\n!(!A ^ !(A ^ B))\n";
        std::vector<std::vector<homework::TaskGrade>> grades;
        for (const std::string &work : {block(2, chain) + "", block(1, wrong) + block(2, chain, 2)}) {
            const auto read = homework::readAnswers(header + work, assignment);
            grades.push_back(homework::gradeAnswers(assignment, std::get<homework::Answers>(read), {}));
        }
        QVERIFY(homework::usedForbiddenHints(assignment, grades[1]));
        QVERIFY(!homework::usedForbiddenHints(assignment, grades[0]));
        const std::vector<homework::TaskSummary> summary =
            homework::summarize(assignment.tasks.size(), grades);
        QCOMPARE(summary[1].solved, 2);
        QCOMPARE(summary[1].tried, 2);
        QVERIFY(summary[1].bigSteps >= 2);
        QCOMPARE(summary[0].solved, 0);
        QCOMPARE(summary[0].tried, 1);
        QCOMPARE(summary[0].mistake, grades[1][0].mistake);
        QCOMPARE(summary[2].tried, 0);
    }

    void answersWrittenByTheWindowAreGradedSolved() {
        const homework::Assignment assignment = assignmentOf(
            classAssignment + std::string("докажи: лесно 3\nопрости: средно 5\nкарта: трудно 8\n"));
        homework::Answers answers{assignment.title, std::string(64, 'a'), "Мария „Мими“ Иванова", {}};
        for (std::size_t i = 0; i < assignment.tasks.size(); ++i) {
            const exercises::Exercise &exercise = assignment.tasks[i].exercise;
            homework::TaskWork work{int(i) + 1, 0, {}, {}};
            switch (assignment.tasks[i].kind) {
            case TaskKind::Prove:
            case TaskKind::Simplify:
                work.lines.push_back(formulas::printed(exercise.derivation.start));
                for (const derivations::DerivationStep &step : exercise.derivation.steps)
                    work.lines.push_back(formulas::printed(step.formula) + "  [" +
                                         derivations::lawName(step.law) + "]");
                break;
            case TaskKind::Table: {
                std::vector<std::optional<bool>> left, right;
                const std::uint64_t goal =
                    exercise.goal ? derivations::truthOf(exercise.goal, exercise.letters)[0] : 0;
                for (std::size_t row = 0; row < (std::size_t(1) << exercise.letters.size()); ++row) {
                    left.push_back((exercise.truth >> row) & 1);
                    if (exercise.goal)
                        right.push_back((goal >> row) & 1);
                }
                work.lines = homework::tableWork(left, right);
                break;
            }
            case TaskKind::Map:
                work.lines = homework::mapWork(exercise.minimalCover, exercise.letters);
                break;
            case TaskKind::Law:
                work.lines.push_back(exercises::stepChoiceName(exercise.step));
                break;
            }
            answers.work.push_back(work);
        }
        for (const bool english : {false, true}) {
            const auto read =
                homework::readAnswers(homework::writeAnswers(answers, assignment, english), assignment);
            const auto *error = std::get_if<homework::AnswersError>(&read);
            QVERIFY2(!error, error ? error->detail.c_str() : "");
            const homework::Answers &again = std::get<homework::Answers>(read);
            QCOMPARE(again.student, answers.student);
            QCOMPARE(again.assignmentSha256, answers.assignmentSha256);
            QCOMPARE(homework::solvedCount(homework::gradeAnswers(assignment, again, {})),
                     int(assignment.tasks.size()));
        }
    }

    void malformedAnswersNameTheirLine_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("line");
        QTest::addColumn<AnswersProblem>("problem");
        const QByteArray top = QByteArray::fromStdString(header);
        QTest::newRow("no header") << QByteArray("задача 1\n") << 1 << AnswersProblem::MissingHeader;
        QTest::newRow("header cut short")
            << QByteArray("отговори: Т\nученик: И\n") << 2 << AnswersProblem::BadHeader;
        QTest::newRow("empty file") << QByteArray() << 0 << AnswersProblem::MissingHeader;
        QTest::newRow("a claimed verdict") << top + "\nзадача 3\nоценка: 6\n0 1 1 0\n"
                                           << 6 << AnswersProblem::MalformedLine;
        QTest::newRow("a claimed verdict in a chain") << top + "\nзадача 1\nA v (A ^ B)\nрешена: да\n"
                                                      << 7 << AnswersProblem::MalformedLine;
        QTest::newRow("work before any task") << top + "0 1 1 0\n" << 4 << AnswersProblem::MalformedLine;
        QTest::newRow("task 7 of 6") << top + "задача 7\n" << 4 << AnswersProblem::BadTaskNumber;
        QTest::newRow("task 0") << top + "task 0\n" << 4 << AnswersProblem::BadTaskNumber;
        QTest::newRow("tasks out of order") << top + "задача 3\n0 1 1 0\nзадача 2\n"
                                            << 6 << AnswersProblem::BadTaskNumber;
        QTest::newRow("hints not a number") << top + "задача 3\nподсказки: много\n"
                                            << 5 << AnswersProblem::BadHintsValue;
        QTest::newRow("hints after the work") << top + "задача 3\n0 1 1 0\nhints: 0\n"
                                              << 6 << AnswersProblem::MalformedLine;
        QTest::newRow("a table of three cells") << top + "задача 3\n0 1 1\n"
                                                << 5 << AnswersProblem::MalformedLine;
        QTest::newRow("a table without its right side") << top + "задача 6\n0 0 0 1\n"
                                                        << 5 << AnswersProblem::MalformedLine;
        QTest::newRow("a second table line") << top + "задача 3\n0 1 1 0\n0 1 1 0\n"
                                             << 6 << AnswersProblem::MalformedLine;
        QTest::newRow("a group that is no product") << top + "задача 4\nA v B\n"
                                                    << 5 << AnswersProblem::MalformedLine;
        QTest::newRow("two laws named") << top + "задача 5\nЗакон на де Морган\nЗакон за поглъщане\n"
                                        << 6 << AnswersProblem::MalformedLine;
        QTest::newRow("a binary file") << QByteArray("\x7f"
                                                     "ELF\x02\x01\x01\x00\x00\xff\xfe",
                                                     11)
                                       << 0 << AnswersProblem::NotUtf8;
        QTest::newRow("over 1 MB") << top + QByteArray(1024 * 1024, '#') << 0 << AnswersProblem::TooLarge;
    }
    void malformedAnswersNameTheirLine() {
        QFETCH(QByteArray, text);
        QFETCH(int, line);
        QFETCH(AnswersProblem, problem);
        const homework::Assignment assignment = assignmentOf(classAssignment);
        const auto read =
            homework::readAnswers(std::string_view(text.constData(), std::size_t(text.size())), assignment);
        const auto *error = std::get_if<homework::AnswersError>(&read);
        QVERIFY(error);
        QCOMPARE(error->line, line);
        QCOMPARE(error->problem, problem);
    }
};

QTEST_GUILESS_MAIN(HomeworkTest)
#include "homework_test.moc"
