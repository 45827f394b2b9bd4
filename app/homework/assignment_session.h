// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the assignment's window works on, without a widget: the assignment
// read from its file and that file's SHA-256, the student's name, and for
// each task the work done so far (as the answers file keeps it) and the
// hints taken. Each task's mark comes from the grader itself, re-checking
// the work, so that the window's ✓ is the mark the teacher's --grade gives.
//
// "Започни" asks for the window the chosen task is done in
// (startRequested); whoever opens it hands the work back with setWork()
// and countHint(). A "Закон" task is answered here (answerLaw()).

#include "answers.h"
#include "assignment.h"
#include "grading.h"

#include <QByteArray>
#include <QObject>
#include <QString>

#include <optional>
#include <variant>
#include <vector>

// Why saved answers cannot be taken up again.
struct ContinueProblem {
    enum class Kind { Unreadable, OtherAssignment };
    Kind kind = Kind::Unreadable;
    homework::AnswersError error; // Unreadable
};

class AssignmentSession : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

    // The assignment file's bytes; on a refusal, the session stays as it was.
    std::optional<homework::AssignmentError> open(const QByteArray &bytes);
    bool isOpen() const { return open_; }
    const homework::Assignment &assignment() const { return assignment_; }
    // The file's SHA-256 in lower-case hex, as the answers file names it.
    const QString &sha256() const { return sha256_; }
    int taskCount() const { return int(assignment_.tasks.size()); }

    // The task chosen in the list, 0-based.
    int chosen() const { return chosen_; }
    void choose(int task);
    // "Започни" on the chosen task: asks for its window (not for a "Закон" task).
    void start();

    homework::Mark mark(int task) const { return grades_[std::size_t(task)].mark; }
    int solvedCount() const;
    // The work kept for the task, none while it is untouched.
    const homework::TaskWork *work(int task) const;
    // The work as the window holds it now; no lines and no hints leave the
    // task untouched.
    void setWork(int task, std::vector<std::string> lines);
    // A hint taken in the task's window, or its answer shown.
    void countHint(int task);
    // A "Закон" task answered with the law's or the mistake's name.
    void answerLaw(int task, const QString &name);

    const QString &student() const { return student_; }
    void setStudent(const QString &name);
    // Work changed since it was last saved or opened.
    bool isModified() const { return modified_; }

    // The answers file, in the language given.
    QByteArray answersFile(bool english) const;
    // The answers as saved; marks the work as saved.
    void markSaved();
    // Saved answers of this assignment taken up again.
    std::optional<ContinueProblem> continueFrom(const QByteArray &bytes);

    // The text after a UTF-8 byte-order mark, which some editors write.
    static QByteArray withoutBom(const QByteArray &bytes);

signals:
    void changed();
    void startRequested(int task);

private:
    homework::TaskWork &workOf(int task);
    void regrade(int task);

    bool open_ = false;
    homework::Assignment assignment_;
    QString sha256_;
    QString student_;
    int chosen_ = 0;
    std::vector<homework::TaskWork> work_; // one per task; task 0 means untouched
    std::vector<homework::TaskGrade> grades_;
    bool modified_ = false;
};
