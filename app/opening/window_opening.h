// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The menu items that open the secondary windows: "Таблица на истинност"
// (Ctrl+T), "Извеждане…" (Ctrl+D), "Карта на Карно…" (Ctrl+K) and
// "Упражнения…" (Ctrl+U). They go
// into the main window's context menus and into every secondary window's;
// the truth table's menu also offers the main window's other items (the
// sheets, the language). A window is built the first time it is asked
// for, as a child of the main window placed beside it, and raised when it
// is open already. This is the one part that knows every window; the
// windows know only the selection.
//
// "Извеждане…" from the truth table derives the formula edited there (the
// selection's tableFormula), from anywhere else the chosen law; a
// derivation window already open is raised as it is.
//
// "Започни" in the exercise window opens the window its exercise is done
// in, on the exercise, and tells the exercise window when the student
// reaches that window's end: "Готово" reached by the student's own step,
// every cell of the table right, a minimal cover drawn on the map.
//
// "Започни" in the assignment's window opens the same windows on the task,
// with the work kept for it and, where the assignment allows no hints, the
// hint buttons off; every change of that work, and every hint taken, goes
// back to the assignment while the window shows the task.

#include <QStringList>

#include <functional>

class Inf_Tarvisko;
class QAction;

struct WindowOpening {
    QAction *truthTable = nullptr;
    QAction *derivation = nullptr;
    QAction *karnaugh = nullptr;
    QAction *exercises = nullptr;
    // The assignment's window on an assignment, its answers, or both (as
    // "boolean-laws FILE" and "Отвори задание…" give them).
    std::function<void(const QStringList &files)> openAssignment;
};

// The items come first in the main window's menus, before the sheets' and
// the language's.
WindowOpening attachWindowOpening(Inf_Tarvisko &main);
