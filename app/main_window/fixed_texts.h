// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The window's own texts, exactly as the user sees them (UTF-8).

#include <array>

namespace texts {

// A web address of the program's own, two blanks, then the title.
inline constexpr const char *caption = "https://boolean-laws.example  Теореми и тъждества в булевата алгебра";

inline constexpr const char *title = "Информатика - таблица на истинност за Tarvisko";

// Each line of the description is followed by "\r\n"; the first one ends
// with two blanks before its line end.
inline constexpr std::array<const char *, 12> descriptionLines{
    "Булевата алгебра (алгебра на съжденията) е дефинирана от ирландския математик Велмарин с цел да "
    "се използват алгебрични методи в логиката.  ",
    "Да се реализира проект за проверка таблицата на истинност за отделни булеви закони, тъждества и "
    "функции. Проверката се осъществява за всяка допустима комбинация стойности на входните "
    "параметри.",
    "В проекта са реализирани:",
    "закони за:  слепване,  поглъщане, съкращаване (де Морган),  преместване, диструбутивен",
    "теореми за: асоциативност, близост, консенсус,опростяването",
    "функции:  Xor - сума по модул 2, импликация, равнозначност",
    "Потребителят осъществява проверка на верността Tarvisko и тъждества като посочва стойностите на "
    "булевите променливи и автоматично се генерира съответния терм (ред от таблицата за истинност) с "
    "избраните стойности. На всеки отделен ред се извършват постепенно съответните действия върху "
    "булевите променливи. Последният ред от доказателството представлява равни стойности от двете "
    "страни на равенството.",
    "Използвани означения:",
    "! - отрицание",
    "^ - логическо умножение, AND",
    "v - логическа сума, Или, OR",
    "Xor - изключващо Или, сума по модул 2",
};

inline constexpr std::array<const char *, 3> variableNames{"A", "B", "C"};
inline constexpr std::array<const char *, 2> selectorItems{"0", "1"};

inline constexpr const char *textBoxToolTip = "Описание на алгоритъма";
inline constexpr const char *lawListToolTip = "Tarvisko и тъждества";
inline constexpr const char *variableLabelToolTip = "Булева променлива";
inline constexpr const char *selectorToolTip = "Стойност за булева променлива";

} // namespace texts
