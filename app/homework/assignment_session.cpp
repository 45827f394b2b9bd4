// SPDX-License-Identifier: GPL-3.0-or-later
#include "assignment_session.h"

#include "homework_file.h"
#include "homework_messages.h"
#include "law_aliases.h"

#include <algorithm>

namespace {

bool untouched(const homework::TaskWork &work) { return work.lines.empty() && work.hints == 0; }

std::string_view viewOf(const QByteArray &bytes) { return {bytes.constData(), std::size_t(bytes.size())}; }

} // namespace

QByteArray AssignmentSession::withoutBom(const QByteArray &bytes) {
    return bytes.startsWith("\xEF\xBB\xBF") ? bytes.mid(3) : bytes;
}

std::optional<homework::AssignmentError> AssignmentSession::open(const QByteArray &bytes) {
    auto read = homework::readAssignment(viewOf(withoutBom(bytes)));
    if (auto *error = std::get_if<homework::AssignmentError>(&read))
        return *error;
    assignment_ = std::get<homework::Assignment>(std::move(read));
    sha256_ = homework_file::sha256Of(bytes);
    open_ = true;
    chosen_ = 0;
    work_.assign(assignment_.tasks.size(), {});
    for (std::size_t i = 0; i < work_.size(); ++i)
        work_[i].task = int(i) + 1;
    grades_.assign(assignment_.tasks.size(), {});
    for (int task = 0; task < taskCount(); ++task)
        regrade(task);
    modified_ = false;
    emit changed();
    return std::nullopt;
}

void AssignmentSession::choose(int task) {
    if (task < 0 || task >= taskCount() || task == chosen_)
        return;
    chosen_ = task;
    emit changed();
}

void AssignmentSession::start() {
    if (chosen_ < taskCount() && assignment_.tasks[std::size_t(chosen_)].kind != homework::TaskKind::Law)
        emit startRequested(chosen_);
}

int AssignmentSession::solvedCount() const {
    return int(std::count_if(grades_.begin(), grades_.end(), [](const homework::TaskGrade &grade) {
        return grade.mark == homework::Mark::Solved;
    }));
}

const homework::TaskWork *AssignmentSession::work(int task) const {
    if (task < 0 || task >= taskCount() || untouched(work_[std::size_t(task)]))
        return nullptr;
    return &work_[std::size_t(task)];
}

homework::TaskWork &AssignmentSession::workOf(int task) { return work_[std::size_t(task)]; }

void AssignmentSession::regrade(int task) {
    grades_[std::size_t(task)] = homework::gradeTask(assignment_.tasks[std::size_t(task)], work(task),
                                                     law_aliases::all(), HomeworkMessages::mistakeAliases());
}

void AssignmentSession::setWork(int task, std::vector<std::string> lines) {
    if (task < 0 || task >= taskCount() || workOf(task).lines == lines)
        return;
    workOf(task).lines = std::move(lines);
    regrade(task);
    modified_ = true;
    emit changed();
}

void AssignmentSession::countHint(int task) {
    if (task < 0 || task >= taskCount())
        return;
    ++workOf(task).hints;
    regrade(task);
    modified_ = true;
    emit changed();
}

void AssignmentSession::answerLaw(int task, const QString &name) {
    if (task >= 0 && task < taskCount() &&
        assignment_.tasks[std::size_t(task)].kind == homework::TaskKind::Law)
        setWork(task, {name.toStdString()});
}

void AssignmentSession::setStudent(const QString &name) {
    if (name == student_)
        return;
    student_ = name;
    modified_ = true;
    emit changed();
}

QByteArray AssignmentSession::answersFile(bool english) const {
    homework::Answers answers;
    answers.title = assignment_.title;
    answers.assignmentSha256 = sha256_.toStdString();
    answers.student = student_.toStdString();
    for (int task = 0; task < taskCount(); ++task)
        if (const homework::TaskWork *done = work(task))
            answers.work.push_back(*done);
    return QByteArray::fromStdString(homework::writeAnswers(answers, assignment_, english));
}

void AssignmentSession::markSaved() {
    modified_ = false;
    emit changed();
}

std::optional<ContinueProblem> AssignmentSession::continueFrom(const QByteArray &bytes) {
    auto read = homework::readAnswers(viewOf(withoutBom(bytes)), assignment_);
    if (auto *error = std::get_if<homework::AnswersError>(&read))
        return ContinueProblem{ContinueProblem::Kind::Unreadable, *error};
    const auto &answers = std::get<homework::Answers>(read);
    if (QString::fromStdString(answers.assignmentSha256).toLower() != sha256_)
        return ContinueProblem{ContinueProblem::Kind::OtherAssignment, {}};
    for (homework::TaskWork &work : work_) {
        work.lines.clear();
        work.hints = 0;
    }
    for (const homework::TaskWork &done : answers.work)
        if (done.task >= 1 && done.task <= taskCount())
            workOf(done.task - 1) = done;
    for (int task = 0; task < taskCount(); ++task)
        regrade(task);
    student_ = QString::fromStdString(answers.student);
    modified_ = false;
    emit changed();
    return std::nullopt;
}
