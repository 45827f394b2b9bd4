// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The laws a derivation may use and the mistakes a student's step is
// recognised by, each with the Bulgarian name the user sees (marked for
// translation in the context "derivations") and its sides as text in the
// reader's notation. Every law is usable in both directions.

#include <array>
#include <cstddef>
#include <string_view>
#include <vector>

namespace derivations {

enum class LawId : unsigned char {
    Commutative,
    Associative,
    Distributive,
    Idempotence,
    DoubleNegation,
    ExcludedMiddle,
    Contradiction,
    Neutral,
    Null,
    ConstantNegation,
    DeMorgan,
    XorDefinition,
    ImplicationDefinition,
    EquivalenceDefinition,
    // The laws below follow from the fourteen above.
    Absorption,
    Gluing,
    Transposition,
    Consensus,
    Simplification,
};
inline constexpr std::size_t lawCount = 19;
inline constexpr std::size_t basicLawCount = 14;
inline constexpr bool isBasic(LawId law) { return std::size_t(law) < basicLawCount; }

enum class MistakeId : unsigned char {
    DeMorganWithoutSwap,
    NegationNotCarried,
    WrongDistribution,
    WrongAbsorption,
    ReversedImplication,
    SwappedConstants,
    XorAsDisjunction,
};
inline constexpr std::size_t mistakeCount = 7;

// One instance of a law or mistake: a left side and what it turns into.
struct Sides {
    std::string_view left;
    std::string_view right;
};

struct LawEntry {
    const char *name; // Bulgarian, UTF-8; translate in the context "derivations"
    std::vector<Sides> rules;
};

struct MistakeEntry {
    const char *name;
    std::vector<Sides> instances; // left: before, right: the mistaken result
};

const LawEntry &lawEntry(LawId law);
const MistakeEntry &mistakeEntry(MistakeId mistake);
inline const char *lawName(LawId law) { return lawEntry(law).name; }
inline const char *mistakeName(MistakeId mistake) { return mistakeEntry(mistake).name; }

// The law of a name as the student writes it in a chain ("[Закон на де
// Морган]"); lawCount where no law has that name.
std::size_t lawByName(std::string_view name);

} // namespace derivations
