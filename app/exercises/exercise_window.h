// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The exercise window: the kind and level chosen ("Вид", "Ниво"), the task
// set ("Задача"), a new one (Ctrl+N), "Започни", how it stands ("Резултат"),
// "Покажи решение" and the progress over runs ("Напредък": solved, tried,
// hints used; "Нулирай"). A
// "Закон" exercise is answered here from the list of laws and mistakes; the
// others are done in the window that "Започни" asks for (the session's
// startRequested), which whoever opens it reports back to the session.
//
// The teacher's side: "Добави към заданието" puts the exercise on show, by
// its level and seed, into an assignment being built, and "Запази
// заданието…" writes its file; "Отвори задание…" hands a file to whoever
// shows assignments (assignmentChosen).

#include "assignment_draft.h"
#include "exercise_session.h"

#include <QMainWindow>

class LawSelection;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;

class ExerciseWindow : public QMainWindow {
    Q_OBJECT

public:
    ExerciseWindow(LawSelection &selection, QWidget *parent = nullptr);

    ExerciseSession &session() { return session_; }

    // An item of another part, offered in this window's context menus.
    void addToContextMenu(QAction *action);

    // The assignment being built from the exercises shown ("Добави към заданието").
    const AssignmentDraft &draft() const { return draft_; }
    void addToDraft();
    // "Запази заданието": the draft's file at `path`, whole or not at all; on failure, why.
    std::optional<QString> saveDraft(const QString &path, const QString &title, bool hints);

signals:
    // "Отвори задание…" chose a file: an assignment or answers to one.
    void assignmentChosen(const QString &path);

protected:
    void changeEvent(QEvent *event) override;

private:
    void buildControls();
    void retranslate();
    void showSession();
    void showProgress();
    void chooseFromControls();
    void answerChosen();
    void confirmReset();
    void buildDraftControls(class QGridLayout *grid, int row);
    void chooseAssignment();
    void saveDraftWithDialog();
    void showDraft();

    LawSelection &selection_;
    ExerciseSession session_;
    QLabel *kindLabel_ = nullptr;
    QComboBox *kind_ = nullptr;
    QLabel *levelLabel_ = nullptr;
    QComboBox *level_ = nullptr;
    QLabel *taskLabel_ = nullptr;
    QLineEdit *task_ = nullptr;
    QLabel *seed_ = nullptr;
    QPushButton *new_ = nullptr;
    QPushButton *start_ = nullptr;
    QPushButton *showSolution_ = nullptr;
    QLabel *answerLabel_ = nullptr;
    QListWidget *answers_ = nullptr;
    QPushButton *answer_ = nullptr;
    QLabel *resultLabel_ = nullptr;
    QLabel *result_ = nullptr;
    QPlainTextEdit *solution_ = nullptr;
    QLabel *progressLabel_ = nullptr;
    QTableWidget *progress_ = nullptr;
    QPushButton *reset_ = nullptr;
    AssignmentDraft draft_;
    QLabel *draftLabel_ = nullptr;
    QLineEdit *draftCount_ = nullptr;
    QPushButton *openAssignment_ = nullptr;
    QPushButton *addToDraft_ = nullptr;
    QPushButton *saveDraft_ = nullptr;
};

// The task as the window and the command line write it: "Докажи: F = G".
QString exerciseTask(const exercises::Exercise &exercise);
// The program's own answer, in lines.
QString exerciseSolution(const exercises::Exercise &exercise);
