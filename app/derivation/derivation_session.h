// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the derivation window works on, without a widget: the task, the
// student's chain, the hints given for it, and what the verdict line says
// (a note: a kind and its data, worded when shown, so that a change of
// language rewords it). Checks and searches run in the background
// (BackgroundSearch); a new request, stop() or cancel() drops the one
// running. Every change of what the window shows says changed().

#include "background_search.h"
#include "derivation_chain.h"
#include "derivation_search.h"
#include "derivation_task.h"
#include "hints.h"

#include <QObject>

#include <optional>

// The verdict line's content as data.
struct DerivationNote {
    enum class Kind {
        Prompt,    // "Напишете следващата формула…", or "Готово" on the goal
        Step,      // a step's verdict: `verdict`
        Done,      // the goal reached
        StepError, // a step that cannot be read: `stepError`
        TaskError, // a formula to start on that cannot be read: `readError`
        Searching, // a search that takes longer than a blink
        Stopped,   // a search stopped with Escape
        NothingToUndo, // undo on the start alone
        HintAtGoal,    // a hint asked for on the goal
        HintLaw,       // the first hint: `law`
        HintPart,      // the second hint: `law` applies to `part`
        HintFilled,    // the third hint: the next formula is in the field
        NotEquivalent, // the goal differs from the last formula: `counterexample`
        GaveUp,        // no derivation within the search's bounds
    };
    Kind kind = Kind::Prompt;
    bool hint = false; // NotEquivalent and GaveUp, said as a hint
    derivations::StepVerdict verdict;
    StepError stepError;
    formulas::ReadError readError;
    derivations::LawId law{};
    formulas::Tree part;
    derivations::Counterexample counterexample;
};

class DerivationSession : public QObject {
    Q_OBJECT

public:
    explicit DerivationSession(QObject *parent = nullptr);

    const DerivationTask &task() const { return task_; }
    const DerivationChain &chain() const { return chain_; }
    const DerivationNote &note() const { return note_; }
    int stepCount() const { return chain_.stepCount(); }
    bool isSearching() const { return search_->isRunning(); }
    BackgroundSearch *search() const { return search_; }

    // Starts again on law `row` (0 for law 1), or on a formula: "F = G"
    // derives F into G, a formula alone into its minimal form. A formula
    // that cannot be read leaves the chain as it is and says why (false).
    void startOnLaw(int row);
    bool startOnFormula(const QString &text);

    // The student's next formula, with the law claimed for it, if any. A
    // step that keeps the formula's value joins the chain (stepTaken).
    void check(const QString &typed, std::optional<derivations::LawId> claimed);
    // The next law, then where, then the formula itself (hintFilled).
    void hint();
    // The whole derivation from the last formula to the goal.
    void showDerivation();
    void undo();
    void restart();
    // Escape: stops a running search and says so; false when none ran.
    bool stop();
    // Drops a running search without a word, as a closed window does.
    void cancel() { search_->cancel(); }

    // Off: hint() and showDerivation() do nothing, for a task set without
    // hints. Every new task allows them again.
    void setHintsAllowed(bool allowed);
    bool hintsAllowed() const { return hintsAllowed_; }
    // Saved work taken up again: the lines of a chain as --check reads them,
    // checked from the task's start in the background; the chain stops
    // before the first line that cannot be read or does not keep the value.
    void resume(const QStringList &lines);

signals:
    void changed();
    // A new task: the window empties its field.
    void started();
    // A step joined the chain: the window clears its field if it holds `typed`.
    void stepTaken(const QString &typed);
    // The third hint: the next formula and its law, for the field and the law's list.
    void hintFilled(const formulas::Tree &formula, derivations::LawId law);
    // The student's own step reached the goal (not the whole derivation shown).
    void goalReached();
    // A hint given; the whole derivation shown to the goal.
    void hintGiven();
    void derivationShown();
    // The chain resumed from saved lines has been checked and shown.
    void resumed();

private:
    void start(DerivationTask task);
    void chainChanged();
    void say(DerivationNote note);
    void sayPrompt();
    void takeVerdict(const QString &typed, const formulas::Tree &formula,
                     const derivations::StepVerdict &verdict);
    // What a hint on the chain as it stands says: the next step, or why none.
    struct HintSource {
        std::optional<derivations::HintStep> step;
        std::optional<derivations::Counterexample> counterexample;
    };
    void giveHint(const HintSource &source);
    void takeDerivation(const derivations::DeriveResult &found);
    void searchToGoal(void (DerivationSession::*then)(const derivations::DeriveResult &));

    BackgroundSearch *search_;
    DerivationTask task_;
    DerivationChain chain_;
    DerivationNote note_;
    // The hints given for the chain as it stands, and the step they name;
    // both go when the chain changes.
    int hintLevel_ = 0;
    std::optional<HintSource> hintSource_;
    bool hintsAllowed_ = true;
};

// The note in the window's words, with a capital first letter.
QString noteText(const DerivationNote &note, int stepCount);
