// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The truth-table window's own texts, exactly as the user sees them or a
// screen reader says them (UTF-8). Accessible names are how readers and the
// tests find the controls.

namespace table_texts {

inline constexpr const char *title = "Таблица на истинност";
inline constexpr const char *menuItem = "&Таблица на истинност";
inline constexpr const char *ownFormulaTitle = "собствена формула";

inline constexpr const char *formulaLabel = "&Формула:";
inline constexpr const char *formulaName = "Формула";
inline constexpr const char *formulaToolTip =
    "Формулата на избрания закон. Променете я, за да видите таблицата на своя формула; Escape връща "
    "формулата на закона";

inline constexpr const char *tableName = "Таблица на истинност";
inline constexpr const char *tableToolTip =
    "Всички стойности на променливите, по един ред; изберете ред, за да видите доказателството за него";
inline constexpr const char *leftSide = "Лява страна";
inline constexpr const char *rightSide = "Дясна страна";
inline constexpr const char *value = "Стойност";
inline constexpr const char *rowDiffers = "✗";
inline constexpr const char *sidesDiffer = "страните се различават";
inline constexpr const char *formulaFalse = "формулата е невярна";

inline constexpr const char *verdictLabel = "&Извод:";
inline constexpr const char *verdictName = "Извод";
inline constexpr const char *verdictToolTip = "Дали двете страни съвпадат на всеки ред";
inline constexpr const char *identityWithSides = "Тъждество: двете страни съвпадат на всеки ред.";
inline constexpr const char *identityAlone = "Тъждество: формулата е вярна на всеки ред.";
// %1 rows of %2 ("2 от 4 реда").
inline constexpr const char *notIdentityWithSides =
    "Не е тъждество: страните се различават на %1 (отбелязани с ✗).";
inline constexpr const char *notIdentityAlone = "Не е тъждество: формулата е невярна на %1 (отбелязани с ✗).";

// The exercise.
inline constexpr const char *exerciseButton = "Провери &се";
inline constexpr const char *exerciseName = "Провери се";
inline constexpr const char *exerciseToolTip =
    "Упражнение: предскажете стойностите на страните, преди да ги видите (Ctrl+E)";
inline constexpr const char *checkButton = "&Провери";
inline constexpr const char *checkName = "Провери";
inline constexpr const char *checkToolTip =
    "Отбелязва всяка попълнена клетка като вярна или грешна (Enter в таблицата)";
inline constexpr const char *showTruthButton = "Покажи &отговорите";
inline constexpr const char *showTruthName = "Покажи отговорите";
inline constexpr const char *showTruthToolTip = "Показва верните стойности до вашите отговори";
inline constexpr const char *restartButton = "Отна&чало";
inline constexpr const char *restartName = "Отначало";
inline constexpr const char *restartToolTip = "Изчиства всички отговори";
// %1 cells to fill.
inline constexpr const char *exercisePrompt =
    "Попълнете %1 клетки: 0 и 1 пишат, интервал сменя, Delete изтрива; Enter проверява.";
// %1 right of %2 cells.
inline constexpr const char *score = "Верни: %1 от %2";
inline constexpr const char *rightSign = "✓";
inline constexpr const char *wrongSign = "✗";
// The student's answer, then the true value.
inline constexpr const char *withTruth = "%1 (вярно: %2)";
inline constexpr const char *blankAnswer = "не е попълнена";
inline constexpr const char *filledAnswer = "попълнена";
inline constexpr const char *rightAnswer = "вярно ✓";
inline constexpr const char *wrongAnswer = "грешно ✗";
inline constexpr const char *trueValueIs = "; верният отговор е %1";

inline constexpr const char *lawFormulaButton = "Формулата на &закона";
inline constexpr const char *lawFormulaName = "Формулата на закона";
inline constexpr const char *lawFormulaToolTip =
    "Връща в полето формулата на избрания закон (Escape в полето)";

} // namespace table_texts
