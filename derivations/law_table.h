// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The laws a derivation may use and the mistakes a student's step is
// recognised by, each with the Bulgarian name the user sees (marked for
// translation in the context "derivations") and its sides as text in the
// reader's notation. Every law is usable in both directions; a mistake is
// the student's wrong move, one way, or both ways where bringing the
// operator in wrongly is the same mistake as taking it out wrongly.

#include <array>
#include <cstddef>
#include <string>
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
    IdempotenceAsConstant,
    IdempotenceWhereItFails,
    ComplementError,
    WrongImplicationRemoval,
    ImplicationNegation,
    ImplicationNotAssociative,
    WrongEquivalenceRemoval,
    NegationLost,
    NegationOnFirstOnly,
    DeMorganExtraNegation,
    NegationLostInDistribution,
};
inline constexpr std::size_t mistakeCount = 18;

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
    bool bothWays = false;        // right to left is the same mistake
};

const LawEntry &lawEntry(LawId law);
const MistakeEntry &mistakeEntry(MistakeId mistake);
inline const char *lawName(LawId law) { return lawEntry(law).name; }
inline const char *mistakeName(MistakeId mistake) { return mistakeEntry(mistake).name; }

// Another name a law goes by: its name in another language, or a catalogue
// row's name. The program supplies them; the table knows only its own.
struct LawAlias {
    std::string name; // UTF-8
    LawId law;
};

// The law of a name as the student writes it in a chain ("[Закон на де
// Морган]"), in any case, with or without a trailing colon: a name of the
// table, a catalogue row's name or one of the aliases; lawCount where no law
// has that name.
std::size_t lawByName(std::string_view name, const std::vector<LawAlias> &aliases = {});

// The law a catalogue row (1 to 21) states.
LawId lawOfCatalogueRow(int row);

} // namespace derivations
