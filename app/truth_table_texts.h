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

inline constexpr const char *lawFormulaButton = "Формулата на &закона";
inline constexpr const char *lawFormulaName = "Формулата на закона";
inline constexpr const char *lawFormulaToolTip =
    "Връща в полето формулата на избрания закон (Escape в полето)";

} // namespace table_texts
