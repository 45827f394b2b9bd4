// SPDX-License-Identifier: GPL-3.0-or-later
#include "laws.h"

#include "translate_noop.h"

namespace derivations {

namespace {

const std::array<LawEntry, lawCount> laws{{
    {QT_TRANSLATE_NOOP("derivations", "Комутативен закон"), {{"A ^ B", "B ^ A"}, {"A v B", "B v A"}}},
    {QT_TRANSLATE_NOOP("derivations", "Асоциативен закон"),
     {{"A ^ (B ^ C)", "(A ^ B) ^ C"}, {"A v (B v C)", "(A v B) v C"}}},
    {QT_TRANSLATE_NOOP("derivations", "Дистрибутивен закон"),
     {{"A ^ (B v C)", "(A ^ B) v (A ^ C)"}, {"A v (B ^ C)", "(A v B) ^ (A v C)"}}},
    {QT_TRANSLATE_NOOP("derivations", "Закон за идемпотентността"), {{"A ^ A", "A"}, {"A v A", "A"}}},
    {QT_TRANSLATE_NOOP("derivations", "Закон за двойното отрицание"), {{"!!A", "A"}}},
    {QT_TRANSLATE_NOOP("derivations", "Закон за изключеното трето"), {{"A v !A", "1"}}},
    {QT_TRANSLATE_NOOP("derivations", "Закон за противоречието"), {{"A ^ !A", "0"}}},
    {QT_TRANSLATE_NOOP("derivations", "Закон за неутралния елемент"), {{"A ^ 1", "A"}, {"A v 0", "A"}}},
    {QT_TRANSLATE_NOOP("derivations", "Закон за нулевия елемент"), {{"A ^ 0", "0"}, {"A v 1", "1"}}},
    {QT_TRANSLATE_NOOP("derivations", "Отрицание на константа"), {{"!0", "1"}, {"!1", "0"}}},
    {QT_TRANSLATE_NOOP("derivations", "Закон на де Морган"),
     {{"!(A ^ B)", "!A v !B"}, {"!(A v B)", "!A ^ !B"}}},
    {QT_TRANSLATE_NOOP("derivations", "Определение на Xor"), {{"A Xor B", "(A ^ !B) v (!A ^ B)"}}},
    {QT_TRANSLATE_NOOP("derivations", "Определение на импликацията"), {{"A -> B", "!A v B"}}},
    {QT_TRANSLATE_NOOP("derivations", "Определение на еквивалентността"),
     {{"A <--> B", "(!A ^ !B) v (A ^ B)"}}},
    {QT_TRANSLATE_NOOP("derivations", "Закон за поглъщане"), {{"A v (A ^ B)", "A"}, {"A ^ (A v B)", "A"}}},
    {QT_TRANSLATE_NOOP("derivations", "Закон за слепване"),
     {{"(A ^ B) v (A ^ !B)", "A"}, {"(A v B) ^ (A v !B)", "A"}}},
    {QT_TRANSLATE_NOOP("derivations", "Закон за преместване"),
     {{"(A ^ B) v (!A ^ C)", "(A v C) ^ (!A v B)"}, {"(A v !B) ^ (!A v C)", "A ^ C v !B ^ !A"}}},
    {QT_TRANSLATE_NOOP("derivations", "Теорема за консенсус"),
     {{"(A ^ B) v (!A ^ C) v (B ^ C)", "(A ^ B) v (!A ^ C)"},
      {"(A v B) ^ (!A v C) ^ (B v C)", "(A v B) ^ (!A v C)"}}},
    {QT_TRANSLATE_NOOP("derivations", "Теорема за опростяване"),
     {{"A v (!A ^ B)", "A v B"}, {"A ^ (!A v B)", "A ^ B"}}},
}};

const std::array<MistakeEntry, mistakeCount> mistakes{{
    {QT_TRANSLATE_NOOP("derivations", "де Морган без смяна на операцията"),
     {{"!(X ^ Y)", "!X ^ !Y"}, {"!(X v Y)", "!X v !Y"}}},
    {QT_TRANSLATE_NOOP("derivations", "отрицанието не е пренесено на всички членове"),
     {{"!(X ^ Y)", "!X v Y"}, {"!(X ^ Y)", "X v !Y"}, {"!(X v Y)", "!X ^ Y"}, {"!(X v Y)", "X ^ !Y"}}},
    {QT_TRANSLATE_NOOP("derivations", "грешно разпределяне"),
     {{"X ^ (Y v Z)", "(X ^ Y) v Z"}, {"X v (Y ^ Z)", "(X v Y) ^ Z"}}},
    {QT_TRANSLATE_NOOP("derivations", "грешно поглъщане"),
     {{"X v (X ^ Y)", "X ^ Y"}, {"X ^ (X v Y)", "X v Y"}}},
    {QT_TRANSLATE_NOOP("derivations", "обърната импликация"), {{"X -> Y", "Y -> X"}, {"X -> Y", "X v !Y"}}},
    {QT_TRANSLATE_NOOP("derivations", "разменени константи"),
     {{"X v !X", "0"}, {"X ^ !X", "1"}, {"X ^ 1", "1"}, {"X v 0", "0"}, {"X ^ 0", "X"}, {"X v 1", "X"}}},
    {QT_TRANSLATE_NOOP("derivations", "Xor като дизюнкция"), {{"X Xor Y", "X v Y"}}},
}};

} // namespace

const LawEntry &lawEntry(LawId law) { return laws[std::size_t(law)]; }
const MistakeEntry &mistakeEntry(MistakeId mistake) { return mistakes[std::size_t(mistake)]; }

std::size_t lawByName(std::string_view name) {
    for (std::size_t law = 0; law < lawCount; ++law)
        if (name == laws[law].name)
            return law;
    return lawCount;
}

} // namespace derivations
