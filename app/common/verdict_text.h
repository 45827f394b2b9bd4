// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The derivation library's verdicts in words, once for the window and the
// command line. Each text is written lower-case, as the command line prints
// it ("вярно: <law>", "голяма стъпка: …", "честа грешка: <mistake>",
// "невярно: при A = 1, B = 0: преди 1, след 0", "вярно, но законът е
// <law>"); the window shows the same sentence with a capital first letter
// (`Letter::Capital`). The laws' and mistakes' names are translated in the
// context "derivations", where the library marks them.

#include "step_check.h" // and the derivations' law_table.h

#include <QCoreApplication>
#include <QString>

#include <vector>

class VerdictText {
    Q_DECLARE_TR_FUNCTIONS(VerdictText)

public:
    enum class Letter { Small, Capital };

    static QString lawName(derivations::LawId law);
    static QString mistakeName(derivations::MistakeId mistake);
    // "Закон на де Морган, Закон за двойното отрицание", in the given order.
    static QString lawNames(const std::vector<derivations::LawId> &laws);

    // "при A = 1, B = 0: преди 1, след 0"
    static QString counterexample(const derivations::Counterexample &row);

    // The verdict of one step, as a whole sentence.
    static QString step(const derivations::StepVerdict &verdict, Letter letter = Letter::Small);

    // "готово: N стъпки": the chain has reached its goal.
    static QString done(int steps, Letter letter = Letter::Small);

    // The law as a chain's line names it: "  [<law>]" after the formula.
    static QString lawMark(derivations::LawId law);

    static QString withLetter(QString text, Letter letter);
};
