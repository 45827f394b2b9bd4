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

// How a search reads a law right to left. Most laws it only ever applies
// left to right (the step check reads them both ways in any case); those
// read backwards bring in only what a textbook brings in.
enum class WayBack : unsigned char {
    Never,
    Anywhere,
    // The right side (a letter) stands for an operand of a chain of the dual
    // operator of the left side's: a term of a sum times 1, a factor of a
    // product plus 0.
    IntoTerm,
    // The right side (a constant) is an operand of a chain of the left
    // side's dual, and the left side's letter is each letter of the formulas
    // in turn: the 1 of a product as Y v !Y.
    ForEachLetter,
};

// One step of a derived law's proof by the basic laws: the formula that
// replaces the rule's left side, and the basic law that gives it from the
// line before.
struct ProofLine {
    std::string_view formula;
    LawId law;
};

struct LawRule : Sides {
    // Letters that may stand for several operands, each of which then takes
    // the whole operand that holds the letter: !(A ^ B ^ C) into
    // !A v !B v !C, A ^ (B v C v D) into (A ^ B) v (A ^ C) v (A ^ D).
    std::string_view spread = {};
    WayBack back = WayBack::Never;
    // A derived law's rule, written out by the basic laws, line by line.
    std::vector<ProofLine> proof = {};
    // Letters that take one operand of a chain or all those left: the
    // factor spread over a sum is one factor or all the others.
    std::string_view oneOrAll = {};
};

struct LawEntry {
    const char *name; // Bulgarian, UTF-8; translate in the context "derivations"
    std::vector<LawRule> rules;
};

struct MistakeEntry {
    const char *name;
    std::vector<Sides> instances; // left: before, right: the mistaken result
    bool bothWays = false;        // right to left is the same mistake
    // Letters that may stand for several operands, as a law's spread ones:
    // the negation carried to the first of three operands only.
    std::string_view spread = {};
};

const LawEntry &lawEntry(LawId law);
const MistakeEntry &mistakeEntry(MistakeId mistake);
inline const char *lawName(LawId law) { return lawEntry(law).name; }
inline const char *mistakeName(MistakeId mistake) { return mistakeEntry(mistake).name; }

// The greedy way to a sum of products: laws that only ever make a formula
// shorter, and laws that bring it nearer a sum of products.
bool alwaysShortens(LawId law);
bool bringsTowardsSum(LawId law);

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
