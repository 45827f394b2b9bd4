// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The truth-table window's own texts, exactly as the user sees them or a
// screen reader says them (UTF-8). Accessible names are how readers and the
// tests find the controls.

#include <QCoreApplication>

namespace table_texts {

// A text of this file as the user's language has it.
inline QString shown(const char *text) { return QCoreApplication::translate("TruthTableWindow", text); }

inline constexpr const char *title = QT_TRANSLATE_NOOP("TruthTableWindow", "Таблица на истинност");
inline constexpr const char *menuItem = QT_TRANSLATE_NOOP("TruthTableWindow", "&Таблица на истинност");
inline constexpr const char *ownFormulaTitle = QT_TRANSLATE_NOOP("TruthTableWindow", "собствена формула");

inline constexpr const char *formulaLabel = QT_TRANSLATE_NOOP("TruthTableWindow", "&Формула:");
inline constexpr const char *formulaName = QT_TRANSLATE_NOOP("TruthTableWindow", "Формула");
inline constexpr const char *formulaToolTip = QT_TRANSLATE_NOOP(
    "TruthTableWindow",
    "Формулата на избрания закон. Променете я, за да видите таблицата на своя формула; Escape връща "
    "формулата на закона");

inline constexpr const char *tableName = QT_TRANSLATE_NOOP("TruthTableWindow", "Таблица на истинност");
inline constexpr const char *tableToolTip = QT_TRANSLATE_NOOP(
    "TruthTableWindow",
    "Всички стойности на променливите, по един ред; изберете ред, за да видите доказателството за него");
inline constexpr const char *leftSide = QT_TRANSLATE_NOOP("TruthTableWindow", "Лява страна");
inline constexpr const char *rightSide = QT_TRANSLATE_NOOP("TruthTableWindow", "Дясна страна");
inline constexpr const char *value = QT_TRANSLATE_NOOP("TruthTableWindow", "Стойност");
inline constexpr const char *rowDiffers = "✗";
inline constexpr const char *sidesDiffer = QT_TRANSLATE_NOOP("TruthTableWindow", "страните се различават");
inline constexpr const char *formulaFalse = QT_TRANSLATE_NOOP("TruthTableWindow", "формулата е невярна");

inline constexpr const char *verdictLabel = QT_TRANSLATE_NOOP("TruthTableWindow", "&Извод:");
inline constexpr const char *verdictName = QT_TRANSLATE_NOOP("TruthTableWindow", "Извод");
inline constexpr const char *verdictToolTip =
    QT_TRANSLATE_NOOP("TruthTableWindow", "Дали двете страни съвпадат на всеки ред");
inline constexpr const char *identityWithSides =
    QT_TRANSLATE_NOOP("TruthTableWindow", "Тъждество: двете страни съвпадат на всеки ред.");
inline constexpr const char *identityAlone =
    QT_TRANSLATE_NOOP("TruthTableWindow", "Тъждество: формулата е вярна на всеки ред.");

// The exercise.
inline constexpr const char *exerciseButton = QT_TRANSLATE_NOOP("TruthTableWindow", "Провери &се");
inline constexpr const char *exerciseName = QT_TRANSLATE_NOOP("TruthTableWindow", "Провери се");
inline constexpr const char *exerciseToolTip = QT_TRANSLATE_NOOP(
    "TruthTableWindow", "Упражнение: предскажете стойностите на страните, преди да ги видите (Ctrl+E)");
inline constexpr const char *checkButton = QT_TRANSLATE_NOOP("TruthTableWindow", "&Провери");
inline constexpr const char *checkName = QT_TRANSLATE_NOOP("TruthTableWindow", "Провери");
inline constexpr const char *checkToolTip = QT_TRANSLATE_NOOP(
    "TruthTableWindow", "Отбелязва всяка попълнена клетка като вярна или грешна (Enter в таблицата)");
inline constexpr const char *showTruthButton = QT_TRANSLATE_NOOP("TruthTableWindow", "Покажи &отговорите");
inline constexpr const char *showTruthName = QT_TRANSLATE_NOOP("TruthTableWindow", "Покажи отговорите");
inline constexpr const char *showTruthToolTip =
    QT_TRANSLATE_NOOP("TruthTableWindow", "Показва верните стойности до вашите отговори");
inline constexpr const char *restartButton = QT_TRANSLATE_NOOP("TruthTableWindow", "Отна&чало");
inline constexpr const char *restartName = QT_TRANSLATE_NOOP("TruthTableWindow", "Отначало");
inline constexpr const char *restartToolTip =
    QT_TRANSLATE_NOOP("TruthTableWindow", "Изчиства всички отговори");
// %1 cells to fill.
inline constexpr const char *exercisePrompt = QT_TRANSLATE_NOOP(
    "TruthTableWindow", "Попълнете %1 клетки: 0 и 1 пишат, интервал сменя, Delete изтрива; Enter проверява.");
// %1 right of %2 cells.
inline constexpr const char *score = QT_TRANSLATE_NOOP("TruthTableWindow", "Верни: %1 от %2");
inline constexpr const char *rightSign = "✓";
inline constexpr const char *wrongSign = "✗";
// The student's answer, then the true value.
inline constexpr const char *withTruth = QT_TRANSLATE_NOOP("TruthTableWindow", "%1 (вярно: %2)");
inline constexpr const char *blankAnswer = QT_TRANSLATE_NOOP("TruthTableWindow", "не е попълнена");
inline constexpr const char *filledAnswer = QT_TRANSLATE_NOOP("TruthTableWindow", "попълнена");
inline constexpr const char *rightAnswer = QT_TRANSLATE_NOOP("TruthTableWindow", "вярно ✓");
inline constexpr const char *wrongAnswer = QT_TRANSLATE_NOOP("TruthTableWindow", "грешно ✗");
inline constexpr const char *trueValueIs = QT_TRANSLATE_NOOP("TruthTableWindow", "; верният отговор е %1");

inline constexpr const char *lawFormulaButton = QT_TRANSLATE_NOOP("TruthTableWindow", "Формулата на &закона");
inline constexpr const char *lawFormulaName = QT_TRANSLATE_NOOP("TruthTableWindow", "Формулата на закона");
inline constexpr const char *lawFormulaToolTip =
    QT_TRANSLATE_NOOP("TruthTableWindow", "Връща в полето формулата на избрания закон (Escape в полето)");

} // namespace table_texts
