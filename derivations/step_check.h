// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Checks one step of a student's chain, F to G, and says what happened as
// data; the program words it ("вярно: <law>", "голяма стъпка: …",
// "честа грешка: <mistake>", "невярно: при A = 1, B = 0: преди 1, след 0",
// "вярно, но законът е <law>").

#include "law_table.h"
#include "working_form.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace derivations {

// The first row of the two formulas' table on which they differ.
struct Counterexample {
    std::vector<char> letters; // every variable of either formula, alphabetical
    std::uint32_t row = 0;     // in counting order, letters[0] the most significant bit
    bool before = false;       // F's value there
    bool after = false;        // G's value there
    bool value(std::size_t letter) const { return (row >> (letters.size() - 1 - letter)) & 1; }
};

enum class VerdictKind {
    Correct,         // G comes from F by `law`, applied once at one place
    CorrectOtherLaw, // so, but the student named another law; `law` is the one applied
    Unchanged,       // G is F written again
    BigStep,         // equivalent, no single law; `laws` names two or three in order, if found
    CommonMistake,   // not equivalent, and G comes from F by `mistake`
    Wrong,           // not equivalent, no known mistake: see `counterexample`
};

struct StepVerdict {
    VerdictKind kind = VerdictKind::Wrong;
    LawId law{};
    std::vector<LawId> laws;
    MistakeId mistake = MistakeId::DeMorganWithoutSwap;
    Counterexample counterexample;
    // "вярно", "вярно, но…", an unchanged line and "голяма стъпка" all keep
    // the formula's value.
    bool equivalent() const { return kind != VerdictKind::CommonMistake && kind != VerdictKind::Wrong; }
};

// claimed: the law the student named, if any. The laws searched for a big
// step default to all.
StepVerdict checkStep(const Tree &before, const Tree &after, std::optional<LawId> claimed = std::nullopt);

// The law that gives G from F once at one place (the first in the table's
// order where several do), if any; no search, no truth table.
std::optional<LawId> singleLawBetween(const Tree &before, const Tree &after);

// Whether G comes from F by `law` once at one place (either way round).
bool isStepBy(const Tree &before, const Tree &after, LawId law);

// The first differing row, or none where the formulas are equivalent.
std::optional<Counterexample> counterexampleOf(const Tree &before, const Tree &after);

} // namespace derivations
