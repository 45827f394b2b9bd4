// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The assignment's window: its title, whether hints are allowed, the task
// list with each task's mark (✓ solved, ✗ tried, – untouched), "Започни"
// for the chosen task (a "Закон" task is answered here, from the list of
// laws and mistakes), "Запази отговорите" (Ctrl+S: the student's name is
// asked once, then one answers file is written), "Печат…" (Ctrl+P: the
// worksheet) and "Запази листа…" (the worksheet as a PDF or HTML page).
// The window shows its AssignmentSession; the windows a task is done in
// are opened by whoever listens to the session's startRequested.

#include "assignment_session.h"

#include <QMainWindow>

#include <optional>

class LawSelection;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

class AssignmentWindow : public QMainWindow {
    Q_OBJECT

public:
    AssignmentWindow(LawSelection &selection, QWidget *parent = nullptr);

    AssignmentSession &session() { return session_; }

    // An assignment file, or an answers file (its assignment looked for
    // beside it, else asked for), or both; unsaved work is offered to be
    // saved first. A file that cannot be taken is one message in a message
    // box; false then.
    bool openFiles(const QString &assignmentOrAnswers, const QString &answers = QString());
    // The answers written to `path` whole or not at all; on failure, why.
    std::optional<QString> saveAnswers(const QString &path);
    const QString &answersPath() const { return answersPath_; }
    // The worksheet as a PDF or an HTML page, by the path's ending; on failure, why.
    std::optional<QString> saveSheet(const QString &path) const;

    // An item of another part, offered in this window's context menu.
    void addToContextMenu(QAction *action);

    // Before the window closes, or the whole program with it: unsaved
    // answers are offered to be saved. False when the student cancels, or
    // the saving failed.
    bool mayDropWork();

protected:
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildControls();
    void retranslate();
    void showSession();
    void answerChosen();
    void save();
    void print();
    void saveSheetWithDialog();
    bool openAssignment(const QString &path);
    bool continueAnswers(const QString &path, const QByteArray &bytes);
    void refuse(const QString &message);

    LawSelection &selection_;
    AssignmentSession session_;
    QString assignmentPath_;
    QString answersPath_;
    QLabel *titleLabel_ = nullptr;
    QLineEdit *title_ = nullptr;
    QLabel *hintsLabel_ = nullptr;
    QLineEdit *hints_ = nullptr;
    QLabel *tasksLabel_ = nullptr;
    QListWidget *tasks_ = nullptr;
    QLabel *answerLabel_ = nullptr;
    QListWidget *answers_ = nullptr;
    QPushButton *answer_ = nullptr;
    QPushButton *start_ = nullptr;
    QPushButton *save_ = nullptr;
    QPushButton *print_ = nullptr;
    QPushButton *saveSheet_ = nullptr;
    QLabel *resultLabel_ = nullptr;
    QLineEdit *result_ = nullptr;
};

// What a task asks, as the list shows it: "Докажи: A v (A ^ B) = A".
QString taskStatement(const homework::Task &task);
// The formula the task's window starts on: "F = G" for a proof, F otherwise.
QString taskFormula(const homework::Task &task);
