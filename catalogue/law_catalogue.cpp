// SPDX-License-Identifier: GPL-3.0-or-later
#include "law_catalogue.h"

#include "text_to_number.h"
#include "translatable.h"

namespace catalogue {

const std::array<LawRow, 21> lawCatalogue{{
    {QT_TRANSLATE_NOOP("catalogue", "Закон за слепване:  "), "(A ^ B) v (A ^ !B) = A", "2"},
    {QT_TRANSLATE_NOOP("catalogue", "Закон за слепване: "), "(A v B) ^ (A v !B) = A   ", "2"},
    {QT_TRANSLATE_NOOP("catalogue", "Закон за поглъщане: "), "A v (A ^ B) = A", "2"},
    {QT_TRANSLATE_NOOP("catalogue", "Закон за поглъщане:"), "A ^ (A v B) = A", "2"},
    {QT_TRANSLATE_NOOP("catalogue", "Закон за съкращаване (де Морган) NAND: "), "!(A ^ B)= !A v !B ", "2"},
    {QT_TRANSLATE_NOOP("catalogue", "Закон за съкращаване (де Морган) NOR:  "), "!(A v B) = !A ^ !B  ", "2"},
    {QT_TRANSLATE_NOOP("catalogue", "Закон за преместване: "), "(A ^ B) v (!A ^ C) =  (A v C) ^ (!A v B) ",
     "3"},
    {QT_TRANSLATE_NOOP("catalogue", "Закон за преместване:  "), "(A v !B) ^ (!A v C)  = (A ^ C v !B ^ !A)  ",
     "3"},
    {QT_TRANSLATE_NOOP("catalogue", "теореми за асоциативност: "), "A v (B v C) = (A v B) v C", "3"},
    {QT_TRANSLATE_NOOP("catalogue", "теореми за асоциативност: "), "A^ (B ^ C) = (A ^ B) ^ C", "3"},
    {QT_TRANSLATE_NOOP("catalogue", "теореми за близост: "), "(A^ B) v ( A ^ !B)  = A ", "2"},
    {QT_TRANSLATE_NOOP("catalogue", "теореми за близост: "), "(Av B) ^ (A v !B) = A", "2"},
    {QT_TRANSLATE_NOOP("catalogue", "теорема за консенсус:"),
     "(A ^ B) v (!A ^ C) v (B ^ C) = (A ^ B) v (!A ^ C)", "3"},
    {QT_TRANSLATE_NOOP("catalogue", "теорема за консенсус:"),
     "(A v B) ^ (!A v C) ^ (B v C) = (A v B) ^ (!A v C) ", "3"},
    {QT_TRANSLATE_NOOP("catalogue", "теореми на опростяването: "), "A v (!A ^ B) = A v B", "2"},
    {QT_TRANSLATE_NOOP("catalogue", "теореми на опростяването: "), "A ^  (!A v B) = A ^ B", "2"},
    {QT_TRANSLATE_NOOP("catalogue", "диструбитивен закон:  "), "A v (B ^ C) = (A v B) ^ (A v C) ", "3"},
    {QT_TRANSLATE_NOOP("catalogue", "диструбитивен закон:  "), "A ^ (B v C) = (A ^ B) v (A ^ C) ", "3"},
    {QT_TRANSLATE_NOOP("catalogue", "функция Xor - сума по модул 2:"), "A Xor B = (A ^ !B) v (!A ^ B)", "2"},
    {QT_TRANSLATE_NOOP("catalogue", "функция импликация, заключение:"), "A -> B = !A v B", "2"},
    {QT_TRANSLATE_NOOP("catalogue", "функция еквивалентност, равнозначност:"), "A <--> B = (!A)^(!B) v A^B",
     "2"},
}};

std::string visibleEntry(const LawRow &row) {
    std::string entry{row.name};
    entry += ' ';
    entry += row.formula;
    return entry;
}

std::string_view headingName(std::string_view name) {
    const auto trimmed = [](std::string_view text) {
        const std::size_t first = text.find_first_not_of(' ');
        return first == std::string_view::npos ? std::string_view{}
                                               : text.substr(first, text.find_last_not_of(' ') - first + 1);
    };
    name = trimmed(name);
    while (!name.empty() && name.back() == ':')
        name.remove_suffix(1);
    return trimmed(name);
}

int variableCountOf(std::size_t row) {
    return static_cast<int>(textToNumber(lawCatalogue.at(row).variableCount));
}

} // namespace catalogue
