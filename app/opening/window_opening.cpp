// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_opening.h"

#include "derivation_window.h"
#include "exercise_window.h"
#include "formula_printer.h"
#include "inf_tarvisko.h"
#include "karnaugh_window.h"
#include "law_selection.h"
#include "menu_item.h"
#include "truth_table_window.h"

#include <QAction>
#include <QScreen>

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

// Lives as long as the main window, which owns it and the items it makes.
class Opening : public QObject {
public:
    explicit Opening(Inf_Tarvisko &main) : QObject(&main), main_(main) {}

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
        }
        raise(window);
        return window;
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
