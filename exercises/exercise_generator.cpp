// SPDX-License-Identifier: GPL-3.0-or-later
#include "candidates.h"

#include "postfix.h"
#include "working_form.h"

#include <array>

namespace exercises {

namespace {

// Tries from one seed before the next seed is taken: enough that a seed
// rarely runs out, few enough that a try's derivation stays within the
// time a command-line answer may take.
constexpr int triesPerSeed = 16;
// Seeds tried in a row before the generator says it found nothing.
constexpr int seedsInARow = 1000;

std::optional<Exercise> candidate(Kind kind, Level level, RandomSource &random) {
    switch (kind) {
    case Kind::Prove:
        return proveCandidate(level, random);
    case Kind::Simplify:
        return simplifyCandidate(level, random);
    case Kind::Table:
        return tableCandidate(level, random);
    case Kind::Map:
        return mapCandidate(level, random);
    case Kind::Law:
        return lawCandidate(level, random);
    }
    return std::nullopt;
}

// Each kind and level draws its own sequence from a seed.
std::uint64_t streamOf(Kind kind, Level level, std::uint32_t seed) {
    return (std::uint64_t(seed) << 8) | (std::uint64_t(kind) << 4) | std::uint64_t(level);
}

} // namespace

std::vector<char> variablesOf(const Tree &formula, const Tree &other) {
    const std::uint32_t bits = formulas::lettersOf(formula) | (other ? formulas::lettersOf(other) : 0);
    std::vector<char> letters;
    for (int letter = 0; letter < 26; ++letter)
        if (bits & (1u << letter))
            letters.push_back(char('A' + letter));
    return letters;
}

std::uint64_t truthOver(const Tree &formula, const std::vector<char> &letters) {
    // Column of letters[v]: its value on each row, the first letter the most
    // significant bit of the row's number.
    std::array<std::uint64_t, 26> columns{};
    const std::size_t count = letters.size();
    for (std::size_t v = 0; v < count; ++v)
        for (std::uint64_t row = 0; row < (std::uint64_t(1) << count); ++row)
            if ((row >> (count - 1 - v)) & 1)
                columns[std::size_t(letters[v] - 'A')] |= std::uint64_t(1) << row;
    const std::uint64_t rows = count >= 6 ? ~std::uint64_t(0) : (std::uint64_t(1) << (1u << count)) - 1;
    return formulas::evaluateRows(formulas::postfixOf(formula), columns) & rows;
}

bool differ(const Tree &formula, const Tree &other) {
    return derivations::acKey(derivations::flattened(formula)) !=
           derivations::acKey(derivations::flattened(other));
}

std::optional<Exercise> generateExercise(Kind kind, Level level, std::uint32_t seed) {
    if (seed > maxSeed || int(kind) >= kindCount || int(level) >= levelCount)
        return std::nullopt;
    for (int n = 0; n < seedsInARow; ++n, seed = nextSeed(seed)) {
        RandomSource random(streamOf(kind, level, seed));
        for (int attempt = 0; attempt < triesPerSeed; ++attempt)
            if (std::optional<Exercise> exercise = candidate(kind, level, random)) {
                exercise->kind = kind;
                exercise->level = level;
                exercise->seed = seed;
                return exercise;
            }
    }
    return std::nullopt;
}

} // namespace exercises
