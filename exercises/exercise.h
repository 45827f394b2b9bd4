// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// An exercise the program sets: its kind and level, the seed it was made
// from, its formulas and the answer it expects, as data. The same kind,
// level and seed give the same exercise on every machine and in either
// language; the windows and the command line word it.

#include "derivation_search.h"
#include "minimal_forms.h"

#include <cstdint>
#include <optional>
#include <variant>
#include <vector>

namespace exercises {

using formulas::Tree;

enum class Kind : unsigned char {
    Prove,    // F = G: derive G from F with the laws
    Simplify, // F: derive a minimal sum of products
    Table,    // F: fill its truth table
    Map,      // F: group its Karnaugh map minimally
    Law,      // a step F → G: which law is it, or which known mistake
};
inline constexpr int kindCount = 5;

enum class Level : unsigned char { Easy, Medium, Hard };
inline constexpr int levelCount = 3;

// Bulgarian, UTF-8; translate in the context "exercises".
const char *kindName(Kind kind);
const char *levelName(Level level);

// Seeds run from 0 to maxSeed; after maxSeed comes 0.
inline constexpr std::uint32_t maxSeed = 0x7fff'ffff;

// What a "Закон" step is by: one of the nineteen laws or a known mistake.
using StepName = std::variant<derivations::LawId, derivations::MistakeId>;

struct Exercise {
    Kind kind = Kind::Table;
    Level level = Level::Easy;
    std::uint32_t seed = 0; // the seed the exercise was made from
    Tree formula;           // F
    // G: the goal of "Докажи", the minimal sum of "Опрости", the result of a
    // "Закон" step; empty for "Таблица" and "Карта".
    Tree goal;
    std::vector<char> letters;            // the variables of F and G, alphabetical
    std::uint64_t truth = 0;              // F's value on each row of the letters' table, counting order
    derivations::Derivation derivation;   // "Докажи" and "Опрости": the program's own chain
    derivations::Cover minimalCover;      // "Опрости" and "Карта": the first minimal sum
    StepName step = derivations::LawId{}; // "Закон": what the step is by
};

// The exercise of that kind, level and seed: where no exercise from that seed
// meets the level within the counted work allowed to one seed, the next seed
// is tried, and the exercise keeps the seed it came from. None only where no
// seed of a thousand in a row gives one, which no kind and level does.
std::optional<Exercise> generateExercise(Kind kind, Level level, std::uint32_t seed);

// The seed after `seed`, wrapping after maxSeed to 0.
inline std::uint32_t nextSeed(std::uint32_t seed) { return seed >= maxSeed ? 0 : seed + 1; }

// The counted bounds of the program's own derivations of "Докажи": the
// window that shows the chain searches within the same bounds.
derivations::SearchBounds proofBounds();

} // namespace exercises
