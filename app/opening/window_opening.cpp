// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_opening.h"

#include "assignment_window.h"
#include "derivation_window.h"
#include "exercise_window.h"
#include "formula_printer.h"
#include "inf_tarvisko.h"
#include "karnaugh_window.h"
#include "law_selection.h"
#include "menu_item.h"
#include "truth_table_window.h"

#include <QAction>
#include <QEvent>
#include <QScreen>

#include <memory>

namespace {

constexpr const char *tableItem = QT_TRANSLATE_NOOP("TruthTableWindow", "&Таблица на истинност");
constexpr const char *derivationItem = QT_TRANSLATE_NOOP("DerivationOpening", "Извеждане…");
constexpr const char *karnaughItem = QT_TRANSLATE_NOOP("KarnaughWindow", "Карта на Карно…");
constexpr const char *exercisesItem = QT_TRANSLATE_NOOP("ExerciseWindow", "Упражнения…");

QAction *item(QWidget &owner, const char *context, const char *text, QKeySequence shortcut) {
    auto *action = new QAction(&owner);
    menu_item::setText(action, context, text);
    action->setShortcut(shortcut);
    action->setShortcutContext(Qt::WindowShortcut);
    return action;
}

// Right of the main window where the screen has room, so that the proof
// and the new window show together; elsewhere the desktop places it.
void placeBeside(QWidget &window, const QWidget &main) {
    window.adjustSize();
    const QRect screen = main.screen()->availableGeometry();
    const QPoint at = main.frameGeometry().topRight() + QPoint(1, 0);
    if (screen.contains(QRect(at, window.frameSize())))
        window.move(at);
}

void raise(QWidget &window) {
    if (window.isVisible())
        window.raise(); // a window just shown is on top already
    window.show();
    window.activateWindow();
}

// The main window's one window of this class, built on the first call.
template <class Window> Window &windowOf(Inf_Tarvisko &main, bool &built) {
    auto *window = main.findChild<Window *>(QString(), Qt::FindDirectChildrenOnly);
    built = !window;
    if (!window) {
        window = new Window(*main.selection(), &main);
        placeBeside(*window, main);
    }
    return *window;
}

std::vector<std::string> utf8Lines(const QStringList &lines) {
    std::vector<std::string> out;
    for (const QString &line : lines)
        out.push_back(line.toStdString());
    return out;
}

QStringList savedLines(const homework::TaskWork *work) {
    QStringList lines;
    if (work)
        for (const std::string &line : work->lines)
            lines << QString::fromStdString(line);
    return lines;
}

// A table's saved values: "0 1 - 1", and for "=" the right side's after " | ".
std::pair<TruthTableWindow::Column, TruthTableWindow::Column> savedColumns(const QStringList &lines) {
    std::pair<TruthTableWindow::Column, TruthTableWindow::Column> columns;
    TruthTableWindow::Column *side = &columns.first;
    for (const QString &word : lines.join(QLatin1Char(' ')).split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (word == QStringLiteral("|"))
            side = &columns.second;
        else
            side->push_back(word == QStringLiteral("-") ? std::nullopt
                                                        : std::optional(word == QStringLiteral("1")));
    }
    return columns;
}

std::vector<char> lettersOf(const KarnaughSession &map) {
    const std::string &letters = map.function()->letters;
    return {letters.begin(), letters.end()};
}

bool anyWritten(const TruthTableWindow::Column &left, const TruthTableWindow::Column &right) {
    const auto written = [](const std::optional<bool> &value) { return value.has_value(); };
    return std::any_of(left.begin(), left.end(), written) || std::any_of(right.begin(), right.end(), written);
}

// Lives as long as the main window, which owns it and the items it makes.
class Opening : public QObject {
public:
    explicit Opening(Inf_Tarvisko &main) : QObject(&main), main_(main) { main_.installEventFilter(this); }

    // Closing the main window ends the program, and the assignment's window
    // with it: its unsaved answers are offered to be saved first, and a
    // cancel keeps everything open. The window is shown for the question,
    // even when closed before while a task's window went on changing the work.
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (watched == &main_ && event->type() == QEvent::Close) {
            auto *assignment = main_.findChild<AssignmentWindow *>(QString(), Qt::FindDirectChildrenOnly);
            if (assignment && assignment->session().isModified()) {
                raise(*assignment);
                if (!assignment->mayDropWork()) {
                    event->ignore();
                    return true;
                }
            }
        }
        return QObject::eventFilter(watched, event);
    }

    void openTable() {
        bool built = false;
        TruthTableWindow &window = windowOf<TruthTableWindow>(main_, built);
        if (built) {
            for (QAction *action : main_.actions())
                if (action != actions_.truthTable && action != actions_.derivation)
                    window.addToContextMenu(action);
            window.addToContextMenu(derivationFromTable_);
        }
        raise(window);
    }

    void openDerivation(bool fromTable) {
        bool built = false;
        DerivationWindow &window = windowOf<DerivationWindow>(main_, built);
        if (built)
            for (QAction *action : {actions_.truthTable, actions_.karnaugh, actions_.exercises})
                window.addToContextMenu(action);
        if (!window.isVisible()) {
            const QString formula = main_.selection()->tableFormula();
            if (!fromTable || formula.isEmpty() || !window.session().startOnFormula(formula))
                window.session().startOnLaw(main_.selection()->law());
        }
        raise(window);
    }

    void openKarnaugh() {
        bool built = false;
        KarnaughWindow &window = windowOf<KarnaughWindow>(main_, built);
        if (built)
            for (QAction *action : {actions_.truthTable, actions_.derivation, actions_.exercises})
                window.addToContextMenu(action);
        raise(window);
    }

    ExerciseWindow &openExercises() {
        bool built = false;
        ExerciseWindow &window = windowOf<ExerciseWindow>(main_, built);
        if (built) {
            for (QAction *action : {actions_.truthTable, actions_.derivation, actions_.karnaugh})
                window.addToContextMenu(action);
            ExerciseSession *session = &window.session();
            connect(session, &ExerciseSession::startRequested, &window,
                    [this, session](const exercises::Exercise &exercise, std::uint64_t attempt) {
                        startExercise(*session, exercise, attempt);
                    });
            connect(&window, &ExerciseWindow::assignmentChosen, this,
                    [this](const QString &path) { openAssignmentFiles({path}); });
        }
        raise(window);
        return window;
    }

    AssignmentWindow &openAssignment() {
        bool built = false;
        AssignmentWindow &window = windowOf<AssignmentWindow>(main_, built);
        if (built) {
            for (QAction *action :
                 {actions_.truthTable, actions_.derivation, actions_.karnaugh, actions_.exercises})
                window.addToContextMenu(action);
            AssignmentSession *session = &window.session();
            connect(session, &AssignmentSession::startRequested, &window,
                    [this, session](int task) { startTask(*session, task); });
        }
        return window;
    }

    // An assignment's files: the window shows them, or says why it cannot.
    void openAssignmentFiles(const QStringList &files) {
        AssignmentWindow &window = openAssignment();
        window.openFiles(files.value(0), files.value(1));
        if (window.session().isOpen())
            raise(window);
    }

    DerivationWindow &derivationWindow() {
        bool built = false;
        DerivationWindow &window = windowOf<DerivationWindow>(main_, built);
        if (built)
            for (QAction *action : {actions_.truthTable, actions_.karnaugh, actions_.exercises})
                window.addToContextMenu(action);
        return window;
    }

    // The window an assignment's task is done in, on the task and on the work
    // kept for it, with hints off where the assignment says so. Each change
    // of the work goes back to the assignment while that window shows the task.
    void startTask(AssignmentSession &assignment, int index) {
        unwatch();
        const homework::Task &task = assignment.assignment().tasks[std::size_t(index)];
        const QString formula = taskFormula(task);
        const bool hints = assignment.assignment().hints;
        const QStringList saved = savedLines(assignment.work(index));
        const auto hinted = [&assignment, index] { assignment.countHint(index); };
        switch (task.kind) {
        case homework::TaskKind::Prove:
        case homework::TaskKind::Simplify: {
            DerivationWindow &window = derivationWindow();
            raise(window);
            DerivationSession *derivation = &window.session();
            if (!derivation->startOnFormula(formula))
                return;
            derivation->setHintsAllowed(hints);
            if (!saved.isEmpty())
                derivation->resume(saved);
            // The chain as it stands once no check runs (a resumed chain is
            // still being checked until then).
            watch_ = connect(
                derivation, &DerivationSession::changed, &assignment, [derivation, &assignment, index] {
                    if (!derivation->isSearching())
                        assignment.setWork(index, derivation->stepCount() > 0
                                                      ? utf8Lines(derivation->chain().workLines())
                                                      : std::vector<std::string>{});
                });
            watchHints_ = connect(derivation, &DerivationSession::hintGiven, &assignment, hinted);
            watchShown_ = connect(derivation, &DerivationSession::derivationShown, &assignment, hinted);
            watchEnd_ = connect(derivation, &DerivationSession::started, this, [this] { unwatch(); });
            break;
        }
        case homework::TaskKind::Table: {
            openTable();
            auto *window = main_.findChild<TruthTableWindow *>(QString(), Qt::FindDirectChildrenOnly);
            window->startExercise(formula);
            if (!saved.isEmpty()) {
                const auto [left, right] = savedColumns(saved);
                window->writeAnswers(left, right);
            }
            window->setHintsAllowed(hints);
            const auto showsTask = [window, formula] {
                return window->session().isEdited() && window->session().formula() == formula;
            };
            watch_ = connect(window, &TruthTableWindow::answersChanged, &assignment,
                             [window, showsTask, &assignment, index] {
                                 if (!showsTask())
                                     return;
                                 const auto [left, right] = window->exerciseAnswers();
                                 assignment.setWork(index, anyWritten(left, right)
                                                               ? homework::tableWork(left, right)
                                                               : std::vector<std::string>{});
                             });
            watchHints_ = connect(window, &TruthTableWindow::truthShown, &assignment, [showsTask, hinted] {
                if (showsTask())
                    hinted();
            });
            break;
        }
        case homework::TaskKind::Map: {
            openKarnaugh();
            auto *window = main_.findChild<KarnaughWindow *>(QString(), Qt::FindDirectChildrenOnly);
            KarnaughSession *map = &window->session();
            map->show(formula, std::nullopt);
            map->setDrawing(true);
            if (!saved.isEmpty())
                map->drawSaved(saved);
            map->setHintsAllowed(hints);
            // Leaving "Групирай сам" shows the minimal forms: a hint.
            auto drawing = std::make_shared<bool>(true);
            watch_ = connect(
                map, &KarnaughSession::changed, &assignment, [map, formula, drawing, &assignment, index] {
                    if (map->formula() != formula)
                        return;
                    if (*drawing && !map->isDrawing())
                        assignment.countHint(index);
                    *drawing = map->isDrawing();
                    const derivations::Cover groups = map->drawnTerms();
                    assignment.setWork(index, groups.empty() ? std::vector<std::string>{}
                                                             : homework::mapWork(groups, lettersOf(*map)));
                });
            break;
        }
        case homework::TaskKind::Law:
            break;
        }
    }

    // The window the exercise is done in, on the exercise; its end solves the
    // exercise while that window still shows it.
    void startExercise(ExerciseSession &session, const exercises::Exercise &exercise, std::uint64_t attempt) {
        unwatch();
        const QString formula = QString::fromStdString(formulas::printed(exercise.formula));
        const auto solved = [&session, attempt] { session.reportSolved(attempt); };
        switch (exercise.kind) {
        case exercises::Kind::Prove:
        case exercises::Kind::Simplify: {
            bool built = false;
            DerivationWindow &window = windowOf<DerivationWindow>(main_, built);
            if (built)
                for (QAction *action : {actions_.truthTable, actions_.karnaugh, actions_.exercises})
                    window.addToContextMenu(action);
            raise(window);
            const QString task = exercise.kind == exercises::Kind::Prove
                                     ? formula + QStringLiteral(" = ") +
                                           QString::fromStdString(formulas::printed(exercise.goal))
                                     : formula;
            window.session().startOnFormula(task);
            watch_ = connect(&window.session(), &DerivationSession::goalReached, &session, solved);
            watchHints_ = connect(&window.session(), &DerivationSession::hintGiven, &session,
                                  [&session, attempt] { session.reportHint(attempt); });
            watchShown_ = connect(&window.session(), &DerivationSession::derivationShown, &session,
                                  [&session, attempt] { session.reportShown(attempt); });
            // Another task in that window is no longer this exercise.
            watchEnd_ = connect(&window.session(), &DerivationSession::started, this, [this] { unwatch(); });
            break;
        }
        case exercises::Kind::Table: {
            openTable();
            auto *window = main_.findChild<TruthTableWindow *>(QString(), Qt::FindDirectChildrenOnly);
            window->startExercise(formula);
            window->setHintsAllowed(true);
            watch_ = connect(window, &TruthTableWindow::exerciseSolved, &session, [window, formula, solved] {
                if (window->session().isEdited() && window->session().formula() == formula)
                    solved();
            });
            break;
        }
        case exercises::Kind::Map: {
            openKarnaugh();
            auto *window = main_.findChild<KarnaughWindow *>(QString(), Qt::FindDirectChildrenOnly);
            KarnaughSession *map = &window->session();
            map->show(formula, std::nullopt);
            map->setHintsAllowed(true);
            map->setDrawing(true);
            watch_ = connect(map, &KarnaughSession::changed, &session, [map, formula, solved] {
                if (map->formula() == formula && map->isDrawing() && map->grade() && map->grade()->correct())
                    solved();
            });
            break;
        }
        case exercises::Kind::Law:
            break;
        }
    }

    WindowOpening attach() {
        actions_.truthTable = item(main_, "TruthTableWindow", tableItem, QKeySequence(Qt::CTRL | Qt::Key_T));
        actions_.derivation =
            item(main_, "DerivationOpening", derivationItem, QKeySequence(Qt::CTRL | Qt::Key_D));
        actions_.karnaugh = item(main_, "KarnaughWindow", karnaughItem, QKeySequence(Qt::CTRL | Qt::Key_K));
        actions_.exercises = item(main_, "ExerciseWindow", exercisesItem, QKeySequence(Qt::CTRL | Qt::Key_U));
        // The table's own "Извеждане…", which derives the formula shown there.
        derivationFromTable_ =
            item(main_, "DerivationOpening", derivationItem, QKeySequence(Qt::CTRL | Qt::Key_D));
        connect(actions_.truthTable, &QAction::triggered, &main_, [this] { openTable(); });
        connect(actions_.derivation, &QAction::triggered, &main_, [this] { openDerivation(false); });
        connect(derivationFromTable_, &QAction::triggered, &main_, [this] { openDerivation(true); });
        connect(actions_.karnaugh, &QAction::triggered, &main_, [this] { openKarnaugh(); });
        connect(actions_.exercises, &QAction::triggered, &main_, [this] { openExercises(); });
        for (QAction *action :
             {actions_.truthTable, actions_.karnaugh, actions_.derivation, actions_.exercises})
            main_.addToContextMenus(action);
        actions_.openAssignment = [this](const QStringList &files) { openAssignmentFiles(files); };
        return actions_;
    }

private:
    Inf_Tarvisko &main_;
    WindowOpening actions_;
    QAction *derivationFromTable_ = nullptr;
    // The end of the window an exercise is done in, while it shows that exercise.
    QMetaObject::Connection watch_;
    QMetaObject::Connection watchEnd_;
    QMetaObject::Connection watchHints_;
    QMetaObject::Connection watchShown_;

    void unwatch() {
        for (QMetaObject::Connection *connection : {&watch_, &watchEnd_, &watchHints_, &watchShown_})
            disconnect(*connection);
    }
};

} // namespace

WindowOpening attachWindowOpening(Inf_Tarvisko &main) { return (new Opening(main))->attach(); }
