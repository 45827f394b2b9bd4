// SPDX-License-Identifier: GPL-3.0-or-later
// --grade ASSIGNMENT ANSWERS... [--output FILE.csv]: a class's answers
// files graded from their work alone, one line a student and one a task,
// and the marks as CSV for a gradebook.

#include "mode.h"

#include "homework_file.h"
#include "homework_messages.h"
#include "law_aliases.h"
#include "verdict_text.h"

#include "grading.h"

#include <QSaveFile>

namespace command_line {

namespace {

struct Graded {
    QString student;
    QString path;
    std::vector<homework::TaskGrade> grades;
};

// RFC 4180: quoted where the field holds a comma, a quote or a line break,
// its quotes doubled.
QString csvField(QString field) {
    if (!field.contains(QLatin1Char(',')) && !field.contains(QLatin1Char('"')) &&
        !field.contains(QLatin1Char('\n')) && !field.contains(QLatin1Char('\r')))
        return field;
    field.replace(QStringLiteral("\""), QStringLiteral("\"\""));
    return QLatin1Char('"') + field + QLatin1Char('"');
}

QString csvOf(const std::vector<Graded> &graded, std::size_t taskCount) {
    QStringList header{CommandLine::tr("ученик"), CommandLine::tr("файл")};
    for (std::size_t task = 1; task <= taskCount; ++task)
        header << QString::number(task);
    header << CommandLine::tr("общо");
    QString text;
    const auto addRow = [&text](const QStringList &fields) {
        QStringList quoted;
        for (const QString &field : fields)
            quoted << csvField(field);
        text += quoted.join(QLatin1Char(',')) + QStringLiteral("\r\n");
    };
    addRow(header);
    for (const Graded &student : graded) {
        QStringList row{student.student, student.path};
        for (const homework::TaskGrade &grade : student.grades)
            row << QString::number(grade.mark == homework::Mark::Solved ? 1 : 0);
        row << QString::number(homework::solvedCount(student.grades));
        addRow(row);
    }
    return text;
}

QString studentLine(const homework::Assignment &assignment, const Graded &student) {
    QStringList marks;
    for (const homework::TaskGrade &grade : student.grades)
        marks << HomeworkMessages::markSymbol(grade.mark);
    QStringList fields{
        printable(student.student), printable(student.path), marks.join(QLatin1Char(' ')),
        CommandLine::tr("%1 от %2").arg(homework::solvedCount(student.grades)).arg(student.grades.size())};
    if (homework::usedForbiddenHints(assignment, student.grades))
        fields << CommandLine::tr("подсказки!");
    return fields.join(QStringLiteral("  ")) + QLatin1Char('\n');
}

QString taskLines(const std::vector<homework::TaskSummary> &summaries) {
    QString text;
    for (std::size_t task = 0; task < summaries.size(); ++task) {
        const homework::TaskSummary &summary = summaries[task];
        const QString mistake =
            summary.mistake ? VerdictText::mistakeName(*summary.mistake) : QStringLiteral("\u2014");
        text += CommandLine::tr("задача %1: решили %2, опитали %3, най-честа грешка: %4, големи стъпки: %5")
                    .arg(task + 1)
                    .arg(summary.solved)
                    .arg(summary.tried)
                    .arg(mistake)
                    .arg(summary.bigSteps) +
                QLatin1Char('\n');
    }
    return text;
}

} // namespace

Mode gradeMode() {
    const QCommandLineOption grade(
        QStringLiteral("grade"),
        CommandLine::tr(
            "Оценява файловете с отговори, дадени след заданието ЗАДАНИЕ, като проверява "
            "наново всяка задача: за всеки ученик ред с ✓ (решена), ✗ (опитана) и – (недокосната) "
            "и броя решени, после по ред за всяка задача. С --output ФАЙЛ.csv записва и таблица "
            "CSV.\nПример: boolean-laws --grade задание.txt отговори/*.txt --output оценки.csv"),
        CommandLine::tr("ЗАДАНИЕ"));
    // The same option as --sheet's: one --output, told apart by the mode.
    const QCommandLineOption output(QStringLiteral("output"), QString(), CommandLine::tr("ФАЙЛ"));
    Mode mode{
        grade, {output}, [grade, output](const Request &request) {
            const QString assignmentPath = request.parser.value(grade);
            const QStringList answersPaths = request.parser.positionalArguments();
            if (answersPaths.isEmpty())
                return request.refuse(
                    CommandLine::tr("„--grade“ иска след заданието поне един файл с отговори"));
            const auto assignmentBytes = homework_file::contentsOf(assignmentPath);
            if (const auto *failure = std::get_if<QString>(&assignmentBytes))
                return request.refuse(QStringLiteral("%1"), {*failure});
            const QByteArray &bytes = std::get<QByteArray>(assignmentBytes);
            const auto read = homework::readAssignment(std::string_view(bytes.constData(), bytes.size()));
            if (const auto *error = std::get_if<homework::AssignmentError>(&read))
                return request.refuse(CommandLine::tr("„%1“, %2"),
                                      {assignmentPath, HomeworkMessages::assignmentProblem(*error)});
            const homework::Assignment &assignment = std::get<homework::Assignment>(read);
            const QString sha256 = homework_file::sha256Of(bytes);

            Answer answer{0, {}, {}, std::nullopt};
            const auto refuseFile = [&](const QString &pattern, const QStringList &named) {
                answer.err += request.refuse(pattern, named).err;
                answer.exitCode = 1;
            };
            std::vector<Graded> graded;
            for (const QString &path : answersPaths) {
                const auto contents = homework_file::contentsOf(path);
                if (const auto *failure = std::get_if<QString>(&contents)) {
                    refuseFile(QStringLiteral("%1"), {*failure});
                    continue;
                }
                const QByteArray &answersBytes = std::get<QByteArray>(contents);
                const auto answers = homework::readAnswers(
                    std::string_view(answersBytes.constData(), answersBytes.size()), assignment);
                if (const auto *error = std::get_if<homework::AnswersError>(&answers)) {
                    refuseFile(CommandLine::tr("„%1“, %2"), {path, HomeworkMessages::answersProblem(*error)});
                    continue;
                }
                const homework::Answers &work = std::get<homework::Answers>(answers);
                if (QString::fromStdString(work.assignmentSha256).toLower() != sha256) {
                    refuseFile(CommandLine::tr("„%1“: отговорите са на друго задание, не на „%2“"),
                               {path, assignmentPath});
                    continue;
                }
                graded.push_back({QString::fromStdString(work.student), path,
                                  homework::gradeAnswers(assignment, work, law_aliases::all(),
                                                         HomeworkMessages::mistakeAliases())});
            }
            std::vector<std::vector<homework::TaskGrade>> grades;
            for (const Graded &student : graded) {
                answer.out += studentLine(assignment, student);
                grades.push_back(student.grades);
            }
            answer.out += taskLines(homework::summarize(assignment.tasks.size(), grades));

            if (request.parser.isSet(output)) {
                const QString csvPath = request.parser.value(output);
                QSaveFile file(csvPath);
                const QByteArray csv = csvOf(graded, assignment.tasks.size()).toUtf8();
                if (!file.open(QIODevice::WriteOnly) || file.write(csv) != csv.size() || !file.commit())
                    refuseFile(CommandLine::tr("файлът „%1“ не може да се запише: %2"),
                               {csvPath, file.errorString()});
            }
            return answer;
        }};
    mode.takesFiles = true;
    return mode;
}

} // namespace command_line
