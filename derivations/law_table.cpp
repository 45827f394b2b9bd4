// SPDX-License-Identifier: GPL-3.0-or-later
#include "law_table.h"

#include "law_catalogue.h"
#include "translate_noop.h"
#include "utf8.h"

namespace derivations {

namespace {

// The rules of the laws. A search reads a rule right to left only where
// its row says so; a derived law's rule carries its proof by the basic laws,
// each line what replaces the rule's left side.
const std::array<LawEntry, lawCount> laws{{
    // Order and grouping: the working form already ignores them.
    {QT_TRANSLATE_NOOP("derivations", "Комутативен закон"), {{"A ^ B", "B ^ A"}, {"A v B", "B v A"}}},
    {QT_TRANSLATE_NOOP("derivations", "Асоциативен закон"),
     {{"A ^ (B ^ C)", "(A ^ B) ^ C"}, {"A v (B v C)", "(A v B) v C"}}},
    // Backwards: a common factor taken out of every term that holds it.
    {QT_TRANSLATE_NOOP("derivations", "Дистрибутивен закон"),
     {{{"A ^ (B v C)", "(A ^ B) v (A ^ C)"}, "BC", WayBack::Anywhere, {}, "A"},
      {{"A v (B ^ C)", "(A v B) ^ (A v C)"}, "BC", WayBack::Anywhere, {}, "A"}}},
    {QT_TRANSLATE_NOOP("derivations", "Закон за идемпотентността"), {{"A ^ A", "A"}, {"A v A", "A"}}},
    {QT_TRANSLATE_NOOP("derivations", "Закон за двойното отрицание"), {{"!!A", "A"}}},
    {QT_TRANSLATE_NOOP("derivations", "Закон за изключеното трето"),
     {{{"A v !A", "1"}, {}, WayBack::ForEachLetter}}},
    {QT_TRANSLATE_NOOP("derivations", "Закон за противоречието"),
     {{{"A ^ !A", "0"}, {}, WayBack::ForEachLetter}}},
    {QT_TRANSLATE_NOOP("derivations", "Закон за неутралния елемент"),
     {{{"A ^ 1", "A"}, {}, WayBack::IntoTerm}, {{"A v 0", "A"}, {}, WayBack::IntoTerm}}},
    {QT_TRANSLATE_NOOP("derivations", "Закон за нулевия елемент"), {{"A ^ 0", "0"}, {"A v 1", "1"}}},
    {QT_TRANSLATE_NOOP("derivations", "Отрицание на константа"), {{"!0", "1"}, {"!1", "0"}}},
    {QT_TRANSLATE_NOOP("derivations", "Закон на де Морган"),
     {{{"!(A ^ B)", "!A v !B"}, "AB", WayBack::Anywhere},
      {{"!(A v B)", "!A ^ !B"}, "AB", WayBack::Anywhere}}},
    {QT_TRANSLATE_NOOP("derivations", "Определение на Xor"), {{"A Xor B", "(A ^ !B) v (!A ^ B)"}}},
    {QT_TRANSLATE_NOOP("derivations", "Определение на импликацията"),
     {{{"A -> B", "!A v B"}, {}, WayBack::Anywhere}}},
    {QT_TRANSLATE_NOOP("derivations", "Определение на еквивалентността"),
     {{"A <--> B", "(!A ^ !B) v (A ^ B)"}}},
    {QT_TRANSLATE_NOOP("derivations", "Закон за поглъщане"),
     {{{"A v (A ^ B)", "A"},
       {},
       WayBack::Never,
       {{"A ^ 1 v A ^ B", LawId::Neutral},
        {"A ^ (1 v B)", LawId::Distributive},
        {"A ^ 1", LawId::Null},
        {"A", LawId::Neutral}}},
      {{"A ^ (A v B)", "A"},
       {},
       WayBack::Never,
       {{"(A v 0) ^ (A v B)", LawId::Neutral},
        {"A v 0 ^ B", LawId::Distributive},
        {"A v 0", LawId::Null},
        {"A", LawId::Neutral}}}}},
    {QT_TRANSLATE_NOOP("derivations", "Закон за слепване"),
     {{{"(A ^ B) v (A ^ !B)", "A"},
       {},
       WayBack::Never,
       {{"A ^ (B v !B)", LawId::Distributive}, {"A ^ 1", LawId::ExcludedMiddle}, {"A", LawId::Neutral}}},
      {{"(A v B) ^ (A v !B)", "A"},
       {},
       WayBack::Never,
       {{"A v B ^ !B", LawId::Distributive}, {"A v 0", LawId::Contradiction}, {"A", LawId::Neutral}}}}},
    // Each way: one term spread over the other, the complements dropped,
    // and the consensus term this leaves taken out as the consensus theorem
    // does.
    {QT_TRANSLATE_NOOP("derivations", "Закон за преместване"),
     {{{"(A ^ B) v (!A ^ C)", "(A v C) ^ (!A v B)"},
       {},
       WayBack::Never,
       {{"(A ^ B v !A) ^ (A ^ B v C)", LawId::Distributive},
        {"(A v !A) ^ (!A v B) ^ (A ^ B v C)", LawId::Distributive},
        {"1 ^ (!A v B) ^ (A ^ B v C)", LawId::ExcludedMiddle},
        {"(!A v B) ^ (A ^ B v C)", LawId::Neutral},
        {"(!A v B) ^ (A v C) ^ (B v C)", LawId::Distributive},
        {"(!A v B) ^ (A v C) ^ (B v C v 0)", LawId::Neutral},
        {"(!A v B) ^ (A v C) ^ (B v C v A ^ !A)", LawId::Contradiction},
        {"(!A v B) ^ (A v C) ^ (B v C v A) ^ (B v C v !A)", LawId::Distributive},
        {"(!A v B) ^ (A v C v 0) ^ (B v C v A) ^ (B v C v !A)", LawId::Neutral},
        {"(!A v B) ^ (A v C v 0 ^ B) ^ (B v C v !A)", LawId::Distributive},
        {"(!A v B) ^ (A v C v 0) ^ (B v C v !A)", LawId::Null},
        {"(!A v B) ^ (A v C) ^ (B v C v !A)", LawId::Neutral},
        {"(!A v B v 0) ^ (A v C) ^ (B v C v !A)", LawId::Neutral},
        {"(!A v B v 0 ^ C) ^ (A v C)", LawId::Distributive},
        {"(!A v B v 0) ^ (A v C)", LawId::Null},
        {"(!A v B) ^ (A v C)", LawId::Neutral}}},
      {{"(A v !B) ^ (!A v C)", "A ^ C v !B ^ !A"},
       {},
       WayBack::Never,
       {{"(A v !B) ^ !A v (A v !B) ^ C", LawId::Distributive},
        {"A ^ !A v !A ^ !B v (A v !B) ^ C", LawId::Distributive},
        {"0 v !A ^ !B v (A v !B) ^ C", LawId::Contradiction},
        {"!A ^ !B v (A v !B) ^ C", LawId::Neutral},
        {"!A ^ !B v A ^ C v !B ^ C", LawId::Distributive},
        {"!A ^ !B v A ^ C v !B ^ C ^ 1", LawId::Neutral},
        {"!A ^ !B v A ^ C v !B ^ C ^ (A v !A)", LawId::ExcludedMiddle},
        {"!A ^ !B v A ^ C v !B ^ C ^ A v !B ^ C ^ !A", LawId::Distributive},
        {"!A ^ !B v A ^ C ^ 1 v !B ^ C ^ A v !B ^ C ^ !A", LawId::Neutral},
        {"!A ^ !B v A ^ C ^ (1 v !B) v !B ^ C ^ !A", LawId::Distributive},
        {"!A ^ !B v A ^ C ^ 1 v !B ^ C ^ !A", LawId::Null},
        {"!A ^ !B v A ^ C v !B ^ C ^ !A", LawId::Neutral},
        {"!A ^ !B ^ 1 v A ^ C v !B ^ C ^ !A", LawId::Neutral},
        {"!A ^ !B ^ (1 v C) v A ^ C", LawId::Distributive},
        {"!A ^ !B ^ 1 v A ^ C", LawId::Null},
        {"!A ^ !B v A ^ C", LawId::Neutral}}}}},
    // The consensus term times 1, the 1 as A v !A, spread, and each half
    // absorbed by its neighbour.
    {QT_TRANSLATE_NOOP("derivations", "Теорема за консенсус"),
     {{{"(A ^ B) v (!A ^ C) v (B ^ C)", "(A ^ B) v (!A ^ C)"},
       {},
       WayBack::Never,
       {{"A ^ B v !A ^ C v B ^ C ^ 1", LawId::Neutral},
        {"A ^ B v !A ^ C v B ^ C ^ (A v !A)", LawId::ExcludedMiddle},
        {"A ^ B v !A ^ C v A ^ B ^ C v !A ^ B ^ C", LawId::Distributive},
        {"A ^ B ^ 1 v !A ^ C v A ^ B ^ C v !A ^ B ^ C", LawId::Neutral},
        {"A ^ B ^ (1 v C) v !A ^ C v !A ^ B ^ C", LawId::Distributive},
        {"A ^ B ^ 1 v !A ^ C v !A ^ B ^ C", LawId::Null},
        {"A ^ B v !A ^ C v !A ^ B ^ C", LawId::Neutral},
        {"A ^ B v !A ^ C ^ 1 v !A ^ B ^ C", LawId::Neutral},
        {"A ^ B v !A ^ C ^ (1 v B)", LawId::Distributive},
        {"A ^ B v !A ^ C ^ 1", LawId::Null},
        {"A ^ B v !A ^ C", LawId::Neutral}}},
      {{"(A v B) ^ (!A v C) ^ (B v C)", "(A v B) ^ (!A v C)"},
       {},
       WayBack::Never,
       {{"(A v B) ^ (!A v C) ^ (B v C v 0)", LawId::Neutral},
        {"(A v B) ^ (!A v C) ^ (B v C v A ^ !A)", LawId::Contradiction},
        {"(A v B) ^ (!A v C) ^ (A v B v C) ^ (!A v B v C)", LawId::Distributive},
        {"(A v B v 0) ^ (!A v C) ^ (A v B v C) ^ (!A v B v C)", LawId::Neutral},
        {"(A v B v 0 ^ C) ^ (!A v C) ^ (!A v B v C)", LawId::Distributive},
        {"(A v B v 0) ^ (!A v C) ^ (!A v B v C)", LawId::Null},
        {"(A v B) ^ (!A v C) ^ (!A v B v C)", LawId::Neutral},
        {"(A v B) ^ (!A v C v 0) ^ (!A v B v C)", LawId::Neutral},
        {"(A v B) ^ (!A v C v 0 ^ B)", LawId::Distributive},
        {"(A v B) ^ (!A v C v 0)", LawId::Null},
        {"(A v B) ^ (!A v C)", LawId::Neutral}}}}},
    {QT_TRANSLATE_NOOP("derivations", "Теорема за опростяване"),
     {{{"A v (!A ^ B)", "A v B"},
       {},
       WayBack::Never,
       {{"(A v !A) ^ (A v B)", LawId::Distributive},
        {"1 ^ (A v B)", LawId::ExcludedMiddle},
        {"A v B", LawId::Neutral}}},
      {{"A ^ (!A v B)", "A ^ B"},
       {},
       WayBack::Never,
       {{"A ^ !A v A ^ B", LawId::Distributive},
        {"0 v A ^ B", LawId::Contradiction},
        {"A ^ B", LawId::Neutral}}}}},
}};

const std::array<MistakeEntry, mistakeCount> mistakes{{
    // The first matching row names the mistake: keep the narrow ones first.
    {QT_TRANSLATE_NOOP("derivations", "де Морган без смяна на операцията"),
     {{"!(X ^ Y)", "!X ^ !Y"}, {"!(X v Y)", "!X v !Y"}},
     false,
     "XY"},
    {QT_TRANSLATE_NOOP("derivations", "отрицанието не е пренесено на всички членове"),
     {{"!(X ^ Y)", "!X v Y"}, {"!(X ^ Y)", "X v !Y"}, {"!(X v Y)", "!X ^ Y"}, {"!(X v Y)", "X ^ !Y"}},
     false,
     "XY"},
    {QT_TRANSLATE_NOOP("derivations", "грешно разпределяне"),
     {{"X ^ (Y v Z)", "(X ^ Y) v Z"},
      {"X v (Y ^ Z)", "(X v Y) ^ Z"},
      {"(X ^ Y) v Z", "X ^ (Y v Z)"},
      {"(X v Y) ^ Z", "X v (Y ^ Z)"},
      {"X ^ (Y v Z)", "X ^ Y ^ X ^ Z"},
      {"X v (Y ^ Z)", "X v Y v X v Z"},
      {"X ^ (Y v Z)", "(X v Y) ^ (X v Z)"},
      {"X v (Y ^ Z)", "(X ^ Y) v (X ^ Z)"}}},
    {QT_TRANSLATE_NOOP("derivations", "грешно поглъщане"),
     {{"X v (X ^ Y)", "X ^ Y"}, {"X ^ (X v Y)", "X v Y"}, {"X v (X ^ Y)", "Y"}, {"X ^ (X v Y)", "Y"}}},
    {QT_TRANSLATE_NOOP("derivations", "обърната импликация"), {{"X -> Y", "Y -> X"}, {"X -> Y", "X v !Y"}}},
    {QT_TRANSLATE_NOOP("derivations", "разменени константи"),
     {{"X v !X", "0"}, {"X ^ !X", "1"}, {"X ^ 1", "1"}, {"X v 0", "0"}, {"X ^ 0", "X"}, {"X v 1", "X"}}},
    {QT_TRANSLATE_NOOP("derivations", "Xor като дизюнкция"), {{"X Xor Y", "X v Y"}}},
    {QT_TRANSLATE_NOOP("derivations", "идемпотентност, сбъркана с константа"),
     {{"X ^ X", "1"}, {"X ^ X", "0"}, {"X v X", "1"}, {"X v X", "0"}}},
    {QT_TRANSLATE_NOOP("derivations", "идемпотентност, където не важи"),
     {{"X -> X", "X"}, {"X <--> X", "X"}, {"X Xor X", "X"}},
     true},
    {QT_TRANSLATE_NOOP("derivations", "грешка с допълнението"),
     {{"X ^ !X", "X"},
      {"X ^ !X", "!X"},
      {"X v !X", "X"},
      {"X v !X", "!X"},
      {"(X v Y) ^ (!X v !Y)", "0"},
      {"(X ^ Y) v (!X ^ !Y)", "1"}}},
    {QT_TRANSLATE_NOOP("derivations", "грешно премахване на импликацията"),
     {{"X -> Y", "X v Y"},
      {"X -> Y", "!(X v Y)"},
      {"X -> Y", "!(X ^ Y)"},
      {"X -> Y", "!X ^ Y"},
      {"X -> Y", "(X ^ Y) v (!X ^ !Y)"},
      {"(X ^ Y) -> Z", "X ^ !Y v Z"},
      {"(X v Y) -> Z", "X v !Y v Z"}},
     true},
    {QT_TRANSLATE_NOOP("derivations", "отрицание на импликацията"),
     {{"!(X -> Y)", "!X -> !Y"}, {"!(X -> Y)", "!X v Y"}},
     true},
    {QT_TRANSLATE_NOOP("derivations", "импликацията не е асоциативна"),
     {{"X -> (Y -> Z)", "(X -> Y) -> Z"}},
     true},
    {QT_TRANSLATE_NOOP("derivations", "грешно премахване на еквивалентността"),
     {{"X <--> Y", "X ^ Y v !(X ^ Y)"},
      {"X <--> Y", "X ^ Y v !X ^ Y"},
      {"X <--> Y", "X ^ Y v X ^ !Y"},
      {"X <--> Y", "(X v Y) ^ (!X v !Y)"},
      {"X <--> Y", "X ^ Y v !X v !Y"},
      {"X <--> Y", "X ^ Y ^ !X ^ !Y"},
      {"X <--> Y", "!X v Y"},
      {"!(X <--> Y)", "!(X ^ Y) v !X ^ !Y"}},
     true},
    {QT_TRANSLATE_NOOP("derivations", "отрицанието е изгубено"),
     {{"!(X ^ Y)", "X v Y"},
      {"!(X ^ Y)", "X ^ Y"},
      {"!(X v Y)", "X ^ Y"},
      {"!(X v Y)", "X v Y"},
      {"!(!X ^ Y)", "X ^ Y"},
      {"!(!X v Y)", "X v Y"},
      {"!(!X -> Y)", "X -> Y"}},
     false,
     "XY"},
    {QT_TRANSLATE_NOOP("derivations", "отрицанието е приложено само към първия член"),
     {{"!(X ^ Y)", "!X ^ Y"}, {"!(X v Y)", "!X v Y"}}},
    {QT_TRANSLATE_NOOP("derivations", "де Морган с излишно отрицание"),
     {{"!(X ^ Y)", "!(!X v !Y)"},
      {"!(X v Y)", "!(!X ^ !Y)"},
      {"!(!(X ^ Y) v Z)", "!(!X v !Y) v Z"},
      {"!(!(X v Y) v Z)", "!(!X ^ !Y) v Z"},
      {"!(!(X ^ Y) ^ Z)", "!(!X v !Y) ^ Z"},
      {"!(!(X v Y) ^ Z)", "!(!X ^ !Y) ^ Z"}}},
    {QT_TRANSLATE_NOOP("derivations", "отрицанието е изгубено при разпределяне"),
     {{"!X ^ (Y v Z)", "!X ^ Y v X ^ Z"},
      {"!X ^ (Y v Z)", "X ^ Y v !X ^ Z"},
      {"!X v Y ^ Z", "(!X v Y) ^ (X v Z)"},
      {"!X v Y ^ Z", "(X v Y) ^ (!X v Z)"}}},
}};

} // namespace

bool alwaysShortens(LawId law) {
    switch (law) {
    case LawId::Idempotence:
    case LawId::DoubleNegation:
    case LawId::ExcludedMiddle:
    case LawId::Contradiction:
    case LawId::Neutral:
    case LawId::Null:
    case LawId::ConstantNegation:
    case LawId::Absorption:
    case LawId::Gluing:
    case LawId::Simplification:
        return true;
    default:
        return false;
    }
}

bool bringsTowardsSum(LawId law) {
    switch (law) {
    case LawId::Distributive:
    case LawId::Idempotence:
    case LawId::DoubleNegation:
    case LawId::Contradiction:
    case LawId::Neutral:
    case LawId::Null:
    case LawId::ConstantNegation:
    case LawId::DeMorgan:
    case LawId::XorDefinition:
    case LawId::ImplicationDefinition:
    case LawId::EquivalenceDefinition:
        return true;
    default:
        return false;
    }
}

const LawEntry &lawEntry(LawId law) { return laws[std::size_t(law)]; }
const MistakeEntry &mistakeEntry(MistakeId mistake) { return mistakes[std::size_t(mistake)]; }

namespace {

// Lower case for the letters a law's name is written in (Latin and
// Cyrillic), without the blanks and colons around it.
std::u32string folded(std::string_view utf8) {
    std::u32string text = formulas::toU32(utf8);
    for (char32_t &c : text)
        c = formulas::lowerLetter(c);
    const auto blank = [](char32_t c) { return c == U' ' || c == U'\t' || c == U':'; };
    while (!text.empty() && blank(text.back()))
        text.pop_back();
    std::size_t first = 0;
    while (first < text.size() && blank(text[first]))
        ++first;
    return text.substr(first);
}

// The law each of the catalogue's 21 rows states, in list order.
constexpr std::array<LawId, 21> catalogueLaws{LawId::Gluing,
                                              LawId::Gluing,
                                              LawId::Absorption,
                                              LawId::Absorption,
                                              LawId::DeMorgan,
                                              LawId::DeMorgan,
                                              LawId::Transposition,
                                              LawId::Transposition,
                                              LawId::Associative,
                                              LawId::Associative,
                                              LawId::Gluing,
                                              LawId::Gluing,
                                              LawId::Consensus,
                                              LawId::Consensus,
                                              LawId::Simplification,
                                              LawId::Simplification,
                                              LawId::Distributive,
                                              LawId::Distributive,
                                              LawId::XorDefinition,
                                              LawId::ImplicationDefinition,
                                              LawId::EquivalenceDefinition};

} // namespace

LawId lawOfCatalogueRow(int row) { return catalogueLaws.at(std::size_t(row - 1)); }

std::size_t lawByName(std::string_view name, const std::vector<LawAlias> &aliases) {
    const std::u32string wanted = folded(name);
    for (std::size_t law = 0; law < lawCount; ++law)
        if (wanted == folded(laws[law].name))
            return law;
    for (std::size_t row = 0; row < catalogue::lawCatalogue.size(); ++row)
        if (wanted == folded(catalogue::lawCatalogue[row].name))
            return std::size_t(catalogueLaws[row]);
    for (const LawAlias &alias : aliases)
        if (wanted == folded(alias.name))
            return std::size_t(alias.law);
    return lawCount;
}

} // namespace derivations
