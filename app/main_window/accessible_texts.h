// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What a screen reader says for each control (UTF-8). The window never shows
// these; the descriptions are the tool-tips a sighted user reads.

#include <QtGlobal>

#include <array>

namespace accessible {

inline constexpr const char *descriptionBoxName = QT_TRANSLATE_NOOP("Inf_Tarvisko", "Описание на програмата");
inline constexpr const char *lawListName = QT_TRANSLATE_NOOP("Inf_Tarvisko", "Списък на законите");
inline constexpr std::array<const char *, 3> selectorNames{
    QT_TRANSLATE_NOOP("Inf_Tarvisko", "Стойност на A"), QT_TRANSLATE_NOOP("Inf_Tarvisko", "Стойност на B"),
    QT_TRANSLATE_NOOP("Inf_Tarvisko", "Стойност на C")};
inline constexpr const char *resultBoxName = QT_TRANSLATE_NOOP("Inf_Tarvisko", "Доказателство");
// Never shown, never focused; named all the same for a reader that lists them.
inline constexpr std::array<const char *, 3> hiddenListNames{
    QT_TRANSLATE_NOOP("Inf_Tarvisko", "Брой на променливите"),
    QT_TRANSLATE_NOOP("Inf_Tarvisko", "Имена на законите"),
    QT_TRANSLATE_NOOP("Inf_Tarvisko", "Формули на законите")};

} // namespace accessible
