// SPDX-License-Identifier: GPL-3.0-or-later
// The assignment's window: a teacher's file opened, each kind of task done
// in its window, the answers saved, read back and graded as the teacher's
// --grade grades them; the work continued from the saved file alone; hints
// switched off in every window; files refused in one message; the exercise
// window building an assignment; and "boolean-laws FILE" on the command line.

#include "assignment_window.h"
#include "command_line.h"
#include "derivation_window.h"
#include "exercise_window.h"
#include "grading.h"
#include "homework_file.h"
#include "inf_tarvisko.h"
#include "karnaugh_window.h"
#include "law_aliases.h"
#include "step_answer.h"
#include "truth_table_window.h"
#include "window_opening.h"

#include <QApplication>
#include <QFile>
#include <QListWidget>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

using homework::Mark;

namespace {

template <class Control = QWidget> Control *named(const char *name) {
    for (QWidget *widget : QApplication::allWidgets())
        if (widget->accessibleName() == QString::fromUtf8(name) && widget->isVisible())
            if (auto *control = qobject_cast<Control *>(widget))
                return control;
    return nullptr;
}

const char *const fiveKinds = "# пробно\n"
                              "задание: Проба, първа\n"
                              "подсказки: %1\n"
                              "докажи: A v (A ^ B) = A\n"
                              "таблица: A ^ B\n"
                              "карта: A ^ B v C ^ D\n"
                              "закон: !(A ^ B) => !A v !B\n"
                              "опрости: A v !A ^ B\n";

bool write(const QString &path, const QByteArray &bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray readAll(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

std::vector<Mark> marks(const AssignmentSession &session) {
    std::vector<Mark> all;
    for (int task = 0; task < session.taskCount(); ++task)
        all.push_back(session.mark(task));
    return all;
}

int deMorganRow() {
    const std::vector<exercises::StepName> choices = exercises::stepChoices();
    for (std::size_t i = 0; i < choices.size(); ++i)
        if (choices[i] == exercises::StepName(derivations::LawId::DeMorgan))
            return int(i);
    return -1;
}

bool settled(DerivationWindow *window) {
    return QTest::qWaitFor([window] { return !window->session().isSearching(); }, 10000);
}

} // namespace

class AssignmentWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Inf_Tarvisko> main;
    WindowOpening opening;
    QTemporaryDir folder;

    template <class Window> Window *find() const {
        return main->findChild<Window *>(QString(), Qt::FindDirectChildrenOnly);
    }
    QString assignmentFile(const char *hints) {
        const QString path = folder.filePath(QStringLiteral("задание.txt"));
        write(path, QString::fromUtf8(fiveKinds).arg(QString::fromUtf8(hints)).toUtf8());
        return path;
    }
    AssignmentWindow *open(const QStringList &files) {
        opening.openAssignment(files);
        return find<AssignmentWindow>();
    }
    void start(AssignmentWindow *window, int task) {
        window->session().choose(task);
        auto *button = named<QPushButton>("Започни");
        QVERIFY(button && button->isEnabled());
        button->click();
    }
    // Each task of the file done right but the last.
    void solveFour(AssignmentWindow *window) {
        start(window, 0);
        DerivationWindow *derivation = find<DerivationWindow>();
        derivation->session().check(QStringLiteral("A"), derivations::LawId::Absorption);
        QVERIFY(settled(derivation));
        start(window, 1);
        find<TruthTableWindow>()->writeAnswers({false, false, false, true}, {});
        start(window, 2);
        find<KarnaughWindow>()->session().drawSaved({QStringLiteral("A ^ B"), QStringLiteral("C ^ D")});
        window->session().choose(3);
        auto *answers = named<QListWidget>("Отговор");
        QVERIFY(answers);
        answers->setCurrentRow(deMorganRow());
        named<QPushButton>("Отговори")->click();
    }

private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(folder.isValid());
    }
    void init() {
        main = std::make_unique<Inf_Tarvisko>();
        opening = attachWindowOpening(*main);
        main->show();
        QVERIFY(QTest::qWaitForWindowExposed(main.get()));
    }
    void cleanup() {
        if (AssignmentWindow *window = find<AssignmentWindow>())
            window->session().markSaved(); // no question on closing
        main.reset();
    }

    void tasks_done_in_the_windows_are_saved_and_graded_solved() {
        AssignmentWindow *window = open({assignmentFile("да")});
        QVERIFY(window && window->isVisible());
        QCOMPARE(window->windowTitle(), QStringLiteral("Задание – Проба, първа"));
        QCOMPARE(window->session().taskCount(), 5);
        solveFour(window);
        const std::vector<Mark> expected{Mark::Solved, Mark::Solved, Mark::Solved, Mark::Solved,
                                         Mark::Untouched};
        QCOMPARE(marks(window->session()), expected);
        QVERIFY(named<QListWidget>("Задачи")->item(0)->text().startsWith(QStringLiteral("✓  1. ")));
        QVERIFY(named<QListWidget>("Задачи")->item(4)->text().startsWith(QStringLiteral("–  5. ")));

        window->session().setStudent(QStringLiteral("Иван Петров"));
        const QString saved = folder.filePath(QStringLiteral("отговори.txt"));
        QCOMPARE(window->saveAnswers(saved), std::nullopt);
        QVERIFY(!window->session().isModified());

        // Read back and graded from the work alone, as --grade does.
        const auto assignment =
            homework::readAssignment(readAll(folder.filePath(QStringLiteral("задание.txt"))).toStdString());
        const QByteArray bytes = readAll(saved);
        QVERIFY(bytes.startsWith(
            "отговори: Проба, първа\nзадание: " +
            homework_file::sha256Of(readAll(folder.filePath(QStringLiteral("задание.txt")))).toLatin1() +
            "\nученик: Иван Петров\n"));
        const auto answers =
            homework::readAnswers(bytes.toStdString(), std::get<homework::Assignment>(assignment));
        QVERIFY(std::holds_alternative<homework::Answers>(answers));
        const auto grades = homework::gradeAnswers(std::get<homework::Assignment>(assignment),
                                                   std::get<homework::Answers>(answers), law_aliases::all());
        std::vector<Mark> graded;
        for (const homework::TaskGrade &grade : grades)
            graded.push_back(grade.mark);
        QCOMPARE(graded, expected);
    }

    void saved_answers_alone_continue_the_work() {
        AssignmentWindow *window = open({assignmentFile("да")});
        solveFour(window);
        start(window, 4); // a step short of the minimal form
        DerivationWindow *derivation = find<DerivationWindow>();
        derivation->session().hint();
        QVERIFY(settled(derivation));
        window->session().setStudent(QStringLiteral("Мария"));
        const QString saved = folder.filePath(QStringLiteral("продължение.txt"));
        QCOMPARE(window->saveAnswers(saved), std::nullopt);
        const std::vector<Mark> before = marks(window->session());
        main.reset();

        init();
        window = open({saved}); // its assignment found beside it
        QVERIFY(window && window->session().isOpen());
        QCOMPARE(marks(window->session()), before);
        QCOMPARE(window->session().student(), QStringLiteral("Мария"));
        QCOMPARE(window->session().work(4)->hints, 1);
        QVERIFY(!window->session().isModified());
        // The windows show the work again.
        start(window, 0);
        derivation = find<DerivationWindow>();
        QVERIFY(settled(derivation));
        QCOMPARE(derivation->session().stepCount(), 1);
        QVERIFY(derivation->session().chain().reachedGoal());
        start(window, 1);
        const auto [left, right] = find<TruthTableWindow>()->exerciseAnswers();
        QCOMPARE(left, (TruthTableWindow::Column{false, false, false, true}));
        start(window, 2);
        QCOMPARE(find<KarnaughWindow>()->session().drawn().size(), std::size_t(2));
        window->session().choose(3);
        QCOMPARE(named<QListWidget>("Отговор")->currentRow(), deMorganRow());
    }

    void without_hints_the_windows_offer_none_data() {
        QTest::addColumn<int>("task");
        QTest::addColumn<QStringList>("hintControls");
        QTest::newRow("докажи") << 0 << QStringList{"Подсказка", "Покажи извеждане"};
        QTest::newRow("таблица") << 1 << QStringList{"Покажи отговорите"};
        // "Друго покритие" and the minimal forms are hidden while the groups are drawn.
        QTest::newRow("карта") << 2 << QStringList{"Групирай сам"};
    }
    void without_hints_the_windows_offer_none() {
        QFETCH(int, task);
        QFETCH(QStringList, hintControls);
        for (const char *hints : {"не", "да"}) {
            AssignmentWindow *window = open({assignmentFile(hints)});
            start(window, task);
            const bool allowed = QByteArray(hints) == "да";
            for (const QString &name : hintControls) {
                QWidget *control = named(name.toUtf8().constData());
                QVERIFY2(control, qPrintable(name));
                QCOMPARE(control->isEnabled(), allowed);
            }
            if (task == 2)
                QVERIFY(!named("Минимална ДНФ") && !named("Друго покритие"));
            window->session().markSaved();
        }
    }

    void hints_taken_are_counted_for_their_task_data() {
        QTest::addColumn<int>("task");
        QTest::addColumn<QString>("hint"); // the control that gives one
        QTest::newRow("a derivation's hint") << 0 << "Подсказка";
        QTest::newRow("a derivation shown") << 0 << "Покажи извеждане";
        QTest::newRow("a table's values shown") << 1 << "Покажи отговорите";
        QTest::newRow("a map's minimal forms shown") << 2 << "Групирай сам";
    }
    void hints_taken_are_counted_for_their_task() {
        QFETCH(int, task);
        QFETCH(QString, hint);
        AssignmentWindow *window = open({assignmentFile("да")});
        start(window, task);
        auto *control = named<QPushButton>(hint.toUtf8().constData());
        QVERIFY(control && control->isEnabled());
        control->click();
        if (DerivationWindow *derivation = find<DerivationWindow>())
            QVERIFY(settled(derivation));
        QVERIFY(window->session().work(task));
        QCOMPARE(window->session().work(task)->hints, 1);
        for (int other = 0; other < window->session().taskCount(); ++other)
            if (other != task)
                QVERIFY(!window->session().work(other));
    }

    void the_worksheet_is_saved_as_a_page_or_a_pdf_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("html") << "лист.html";
        QTest::newRow("pdf") << "лист.pdf";
    }
    void the_worksheet_is_saved_as_a_page_or_a_pdf() {
        QFETCH(QString, name);
        AssignmentWindow *window = open({assignmentFile("да")});
        const QString path = folder.filePath(name);
        QCOMPARE(window->saveSheet(path), std::nullopt);
        QString text = QString::fromUtf8(readAll(path));
        if (name.endsWith(QStringLiteral(".pdf"))) {
            QProcess pdftotext;
            pdftotext.start(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
            QVERIFY(pdftotext.waitForFinished(30000));
            text = QString::fromUtf8(pdftotext.readAllStandardOutput());
        }
        for (const char *shown : {"Проба, първа", "A v A ^ B", "A ^ B v C ^ D"})
            QVERIFY2(text.contains(QString::fromUtf8(shown).toHtmlEscaped()) ||
                         text.contains(QString::fromUtf8(shown)),
                     shown);
    }

    void a_file_that_cannot_be_taken_is_one_message_data() {
        QTest::addColumn<QByteArray>("bytes"); // empty: no such file
        QTest::addColumn<QString>("start");
        QTest::newRow("missing") << QByteArray() << "Няма файл";
        QTest::newRow("an unknown kind") << QByteArray("задание: Х\nдокажии: A = A\n")
                                         << "„лош.txt“ не е задание: ред 2: непознат вид задача „докажии“";
        QTest::newRow("answers of another assignment")
            << QByteArray("отговори: Х\nзадание: 00\nученик: И\n") << "Отговорите в „лош.txt“";
        QTest::newRow("binary") << QByteArray("\x00\xff\xfe", 3) << "„лош.txt“ не е задание";
    }
    void a_file_that_cannot_be_taken_is_one_message() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, start);
        const QString path = folder.filePath(QStringLiteral("лош.txt"));
        QFile::remove(path);
        if (!bytes.isEmpty())
            QVERIFY(write(path, bytes));
        QStringList files{path};
        if (bytes.startsWith("отговори"))
            files.prepend(assignmentFile("да"));
        QString said;
        QTimer::singleShot(0, [&said] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                said = box->text();
                box->close();
            }
        });
        opening.openAssignment(files);
        QVERIFY2(said.startsWith(start), qPrintable(said));
        QVERIFY(!said.contains(QLatin1Char('\n')));
    }

    // Closing the main window ends the program: unsaved answers are asked
    // about once, and a cancel keeps both windows and the work.
    void closing_the_main_window_asks_for_unsaved_answers_data() {
        QTest::addColumn<bool>("worked");
        QTest::addColumn<bool>("hiddenFirst");
        QTest::addColumn<int>("answer");
        QTest::newRow("nothing unsaved") << false << false << int(QMessageBox::NoButton);
        QTest::newRow("cancel") << true << false << int(QMessageBox::Cancel);
        QTest::newRow("discard") << true << false << int(QMessageBox::Discard);
        QTest::newRow("cancel, the window closed before the work")
            << true << true << int(QMessageBox::Cancel);
    }
    void closing_the_main_window_asks_for_unsaved_answers() {
        QFETCH(bool, worked);
        QFETCH(bool, hiddenFirst);
        QFETCH(int, answer);
        AssignmentWindow *window = open({assignmentFile("да")});
        if (worked) {
            start(window, 1);
            if (hiddenFirst)
                window->hide();
            find<TruthTableWindow>()->writeAnswers({false, false, false, true}, {});
        }
        int asked = 0;
        QTimer answering;
        connect(&answering, &QTimer::timeout, [&asked, answer] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                ++asked;
                box->button(QMessageBox::StandardButton(answer))->click();
            }
        });
        answering.start(10);
        const bool closed = main->close();
        if (closed) // as the program then quits
            QApplication::closeAllWindows();
        answering.stop();
        QCOMPARE(asked, worked ? 1 : 0);
        QCOMPARE(closed, answer != QMessageBox::Cancel);
        QCOMPARE(window->isVisible(), !closed);
    }

    void the_exercise_window_builds_an_assignment_that_reads_back() {
        QTest::keyClick(main->windowHandle(), Qt::Key_U, Qt::ControlModifier);
        auto *exercises = find<ExerciseWindow>();
        QVERIFY(exercises);
        exercises->session().setSeed(12345);
        const std::uint32_t seed = exercises->session().exercise()->seed;
        exercises->addToDraft();
        exercises->addToDraft(); // the same exercise once
        exercises->session().choose(int(exercises::Kind::Map), exercises::Level::Medium);
        exercises->addToDraft();
        QCOMPARE(exercises->draft().taskCount(), 2);
        const QString path = folder.filePath(QStringLiteral("ново.txt"));
        QCOMPARE(exercises->saveDraft(path, QStringLiteral("Домашна 1"), false), std::nullopt);
        const auto read = homework::readAssignment(readAll(path).toStdString());
        QVERIFY(std::holds_alternative<homework::Assignment>(read));
        const auto &assignment = std::get<homework::Assignment>(read);
        QCOMPARE(assignment.title, std::string("Домашна 1"));
        QVERIFY(!assignment.hints);
        QCOMPARE(assignment.tasks.size(), std::size_t(2));
        QCOMPARE(assignment.tasks[0].seed, seed);
        QCOMPARE(assignment.tasks[0].level, std::optional(exercises::Level::Easy));
        QCOMPARE(assignment.tasks[1].level, std::optional(exercises::Level::Medium));
    }

    void the_command_line_opens_one_or_two_files_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("refusal"); // empty: the window opens on the files
        QTest::addColumn<QStringList>("files");
        const QString there = assignmentFile("да");
        QTest::newRow("an assignment") << QStringList{there} << QString() << QStringList{there};
        QTest::newRow("with its answers and a language")
            << QStringList{"--language", "en", there, there} << QString() << QStringList{there, there};
        QTest::newRow("after --") << QStringList{"--", there} << QString() << QStringList{there};
        QTest::newRow("no such file") << QStringList{"няма.txt"} << "няма файл „няма.txt“" << QStringList();
        QTest::newRow("a folder") << QStringList{folder.path()} << "е папка" << QStringList();
        QTest::newRow("three files") << QStringList{there, there, "трети"} << "непознат аргумент „трети“"
                                     << QStringList();
        QTest::newRow("a file beside a mode")
            << QStringList{"--proof", "1", there} << "непознат аргумент" << QStringList();
    }
    void the_command_line_opens_one_or_two_files() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, refusal);
        QFETCH(QStringList, files);
        const QStringList all = QStringList{QStringLiteral("boolean-laws")} + arguments;
        const auto reply = command_line::answer(all);
        QCOMPARE(bool(reply), !refusal.isEmpty());
        if (reply) {
            QCOMPARE(reply->exitCode, 2);
            QVERIFY2(reply->err.contains(refusal), qPrintable(reply->err));
        } else {
            QCOMPARE(command_line::filesToOpen(all), files);
        }
    }
};

QTEST_MAIN(AssignmentWindowTest)
#include "assignment_window_test.moc"
