// SPDX-License-Identifier: GPL-3.0-or-later
#include "derivation_session.h"

#include "changed_part.h"
#include "formula_messages.h"
#include "law_aliases.h"
#include "printed_text.h"
#include "verdict_text.h"

#include <QCoreApplication>

using derivations::DeriveOutcome;
using derivations::DeriveResult;
using derivations::LawId;
using Kind = DerivationNote::Kind;

namespace {

// A chain to a minimal form may be long; another step or Escape stops it.
derivations::SearchBounds searchBounds(const std::atomic<bool> &cancelled) {
    derivations::SearchBounds bounds;
    bounds.maxSteps = 250;
    bounds.cancelled = &cancelled;
    return bounds;
}

DerivationNote noteOf(Kind kind) {
    DerivationNote note;
    note.kind = kind;
    return note;
}

QString windowText(const char *text) { return QCoreApplication::translate("DerivationWindow", text); }

} // namespace

DerivationSession::DerivationSession(QObject *parent) : QObject(parent), search_(new BackgroundSearch(this)) {
    connect(search_, &BackgroundSearch::searchingChanged, this, [this](bool searching) {
        if (searching)
            say(noteOf(Kind::Searching));
    });
}

void DerivationSession::startOnLaw(int row) { start(DerivationTasks::ofLaw(row)); }

bool DerivationSession::startOnFormula(const QString &text) {
    auto task = DerivationTasks::ofFormula(text);
    if (auto *error = std::get_if<formulas::ReadError>(&task)) {
        DerivationNote note = noteOf(Kind::TaskError);
        note.readError = *error;
        say(note);
        return false;
    }
    start(std::get<DerivationTask>(std::move(task)));
    return true;
}

void DerivationSession::start(DerivationTask task) {
    search_->cancel();
    hintsAllowed_ = true;
    task_ = std::move(task);
    chain_.restart(task_.start, task_.goal);
    chainChanged();
    emit started();
    sayPrompt();
}

void DerivationSession::chainChanged() {
    hintLevel_ = 0;
    hintSource_.reset();
}

void DerivationSession::say(DerivationNote note) {
    note_ = std::move(note);
    emit changed();
}

void DerivationSession::sayPrompt() { say(noteOf(chain_.reachedGoal() ? Kind::Done : Kind::Prompt)); }

void DerivationSession::check(const QString &typed, std::optional<LawId> claimed) {
    if (typed.trimmed().isEmpty())
        return;
    auto read = DerivationTasks::readStep(typed);
    if (auto *error = std::get_if<StepError>(&read)) {
        search_->cancel();
        DerivationNote note = noteOf(Kind::StepError);
        note.stepError = *error;
        say(note);
        return;
    }
    const formulas::Tree after = std::get<formulas::Tree>(read);
    const formulas::Tree before = chain_.last();
    search_->run(
        [this, before, after, claimed, typed](const std::atomic<bool> &) -> BackgroundSearch::Finish {
            const derivations::StepVerdict verdict = derivations::checkStep(before, after, claimed);
            return [this, typed, after, verdict] { takeVerdict(typed, after, verdict); };
        });
}

void DerivationSession::takeVerdict(const QString &typed, const formulas::Tree &formula,
                                    const derivations::StepVerdict &verdict) {
    using derivations::VerdictKind;
    const bool added = verdict.kind == VerdictKind::Correct || verdict.kind == VerdictKind::CorrectOtherLaw ||
                       verdict.kind == VerdictKind::BigStep;
    if (added) {
        ChainStep step{formula, std::nullopt, verdict.laws, verdict.kind == VerdictKind::BigStep};
        if (!step.bigStep)
            step.law = verdict.law;
        chain_.add(std::move(step));
        chainChanged();
    }
    DerivationNote note = noteOf(added && chain_.reachedGoal() ? Kind::Done : Kind::Step);
    note.verdict = verdict;
    say(note);
    if (added)
        emit stepTaken(typed);
    if (note.kind == Kind::Done)
        emit goalReached();
}

void DerivationSession::searchToGoal(void (DerivationSession::*then)(const DeriveResult &)) {
    const formulas::Tree from = chain_.last();
    const formulas::Tree to = chain_.goal();
    search_->run([this, from, to, then](const std::atomic<bool> &cancelled) -> BackgroundSearch::Finish {
        DeriveResult found = derivations::derive(from, to, derivations::allLaws(), searchBounds(cancelled));
        return [this, then, found = std::move(found)] { (this->*then)(found); };
    });
}

void DerivationSession::setHintsAllowed(bool allowed) {
    if (allowed == hintsAllowed_)
        return;
    hintsAllowed_ = allowed;
    emit changed();
}

void DerivationSession::hint() {
    if (!hintsAllowed_)
        return;
    if (chain_.reachedGoal()) {
        search_->cancel();
        say(noteOf(Kind::HintAtGoal));
        return;
    }
    if (hintSource_) {
        search_->cancel();
        giveHint(*hintSource_);
        return;
    }
    std::vector<formulas::Tree> formulas;
    for (const ChainStep &step : chain_.items())
        formulas.push_back(step.formula);
    const formulas::Tree goal = chain_.goal();
    const bool minimalForm = task_.minimalForm;
    search_->run(
        [this, formulas, goal, minimalForm](const std::atomic<bool> &cancelled) -> BackgroundSearch::Finish {
            HintSource source;
            source.counterexample = derivations::counterexampleOf(formulas.back(), goal);
            if (!source.counterexample)
                source.step = minimalForm ? derivations::nextHintStepToMinimalForm(formulas, &cancelled)
                                          : derivations::nextHintStep(formulas, goal, &cancelled);
            return [this, source = std::move(source)] { giveHint(source); };
        });
}

void DerivationSession::giveHint(const HintSource &source) {
    hintSource_ = source;
    DerivationNote note;
    note.hint = true;
    if (source.counterexample) {
        note.kind = Kind::NotEquivalent;
        note.counterexample = *source.counterexample;
        say(note);
        return;
    }
    if (!source.step) {
        note.kind = Kind::GaveUp;
        say(note);
        return;
    }
    const derivations::HintStep &next = *source.step;
    hintLevel_ = std::min(hintLevel_ + 1, 3);
    note.law = next.law;
    switch (hintLevel_) {
    case 1:
        note.kind = Kind::HintLaw;
        break;
    case 2:
        note.kind = Kind::HintPart;
        note.part = next.part ? next.part : changedPart(chain_.last(), next.formula, next.law);
        break;
    default:
        note.kind = Kind::HintFilled;
        emit hintFilled(next.formula, next.law);
        break;
    }
    say(note);
    emit hintGiven();
}

void DerivationSession::showDerivation() {
    if (!hintsAllowed_)
        return;
    if (chain_.reachedGoal()) {
        search_->cancel();
        sayPrompt();
        return;
    }
    searchToGoal(&DerivationSession::takeDerivation);
}

void DerivationSession::takeDerivation(const DeriveResult &found) {
    if (found.outcome == DeriveOutcome::NotEquivalent) {
        DerivationNote note = noteOf(Kind::NotEquivalent);
        note.counterexample = found.counterexample;
        say(note);
        return;
    }
    if (found.outcome == DeriveOutcome::GaveUp) {
        say(noteOf(Kind::GaveUp));
        return;
    }
    for (const derivations::DerivationStep &step : found.derivation.steps)
        chain_.add(ChainStep{step.formula, step.law, {}, false});
    chainChanged();
    say(noteOf(Kind::Done));
    emit derivationShown();
}

namespace {

struct SavedStep {
    formulas::Tree formula;
    std::optional<LawId> claimed;
};

// The saved lines that read as formulas, up to the first that does not;
// "  [name]" at a line's end claims a law, in either language.
std::vector<SavedStep> savedSteps(const QStringList &lines) {
    std::vector<SavedStep> steps;
    for (const QString &line : lines) {
        QString text = line.trimmed();
        if (text.isEmpty() || text.startsWith(QLatin1Char('#')))
            continue;
        SavedStep step;
        if (const qsizetype open = text.lastIndexOf(QLatin1Char('['));
            open >= 0 && text.endsWith(QLatin1Char(']'))) {
            const std::size_t law = derivations::lawByName(
                text.mid(open + 1, text.size() - open - 2).toStdString(), law_aliases::all());
            if (law < derivations::lawCount)
                step.claimed = LawId(law);
            text.truncate(open);
        }
        auto read = DerivationTasks::readStep(text);
        if (!std::holds_alternative<formulas::Tree>(read))
            break;
        step.formula = std::get<formulas::Tree>(std::move(read));
        steps.push_back(std::move(step));
    }
    return steps;
}

} // namespace

void DerivationSession::resume(const QStringList &lines) {
    std::vector<SavedStep> steps = savedSteps(lines);
    // The saved chain begins with the task's start, written again.
    if (!steps.empty() && derivations::acKey(steps.front().formula) == derivations::acKey(chain_.last()))
        steps.erase(steps.begin());
    const formulas::Tree from = chain_.last();
    search_->run([this, from, steps](const std::atomic<bool> &cancelled) -> BackgroundSearch::Finish {
        std::vector<ChainStep> taken;
        formulas::Tree before = from;
        for (const SavedStep &step : steps) {
            if (cancelled)
                break;
            const derivations::StepVerdict verdict =
                derivations::checkStep(before, step.formula, step.claimed);
            using derivations::VerdictKind;
            if (verdict.kind == VerdictKind::Unchanged)
                continue;
            if (verdict.kind != VerdictKind::Correct && verdict.kind != VerdictKind::CorrectOtherLaw &&
                verdict.kind != VerdictKind::BigStep)
                break;
            const bool big = verdict.kind == VerdictKind::BigStep;
            taken.push_back(
                ChainStep{step.formula, big ? std::nullopt : std::optional(verdict.law), verdict.laws, big});
            before = step.formula;
        }
        return [this, taken = std::move(taken)] {
            for (const ChainStep &step : taken)
                chain_.add(step);
            chainChanged();
            sayPrompt();
            emit resumed();
        };
    });
}

void DerivationSession::undo() {
    search_->cancel();
    if (!chain_.undo()) {
        say(noteOf(Kind::NothingToUndo));
        return;
    }
    chainChanged();
    sayPrompt();
}

void DerivationSession::restart() {
    search_->cancel();
    chain_.restart(task_.start, task_.goal);
    chainChanged();
    sayPrompt();
}

bool DerivationSession::stop() {
    if (!search_->cancel())
        return false;
    say(noteOf(Kind::Stopped));
    return true;
}

QString noteText(const DerivationNote &note, int stepCount) {
    using Letter = VerdictText::Letter;
    switch (note.kind) {
    case Kind::Prompt:
        return windowText(
            QT_TRANSLATE_NOOP("DerivationWindow", "Напишете следващата формула и натиснете Enter."));
    case Kind::Step:
        return VerdictText::step(note.verdict, Letter::Capital);
    case Kind::Done:
        return VerdictText::done(stepCount, Letter::Capital);
    case Kind::StepError:
        return note.stepError.text();
    case Kind::TaskError:
        return formulaErrorText(note.readError);
    case Kind::Searching:
        return windowText(QT_TRANSLATE_NOOP("DerivationWindow", "Търсене… Escape го прекъсва."));
    case Kind::Stopped:
        return windowText(QT_TRANSLATE_NOOP("DerivationWindow", "Търсенето е прекъснато."));
    case Kind::NothingToUndo:
        return windowText(
            QT_TRANSLATE_NOOP("DerivationWindow", "Началната формула остава; няма стъпка за отмяна."));
    case Kind::HintAtGoal:
        return windowText(QT_TRANSLATE_NOOP("DerivationWindow", "Подсказка: целта е достигната."));
    case Kind::HintLaw:
        return windowText(QT_TRANSLATE_NOOP("DerivationWindow", "Подсказка: следващият закон е %1."))
            .arg(VerdictText::lawName(note.law));
    case Kind::HintPart:
        return windowText(QT_TRANSLATE_NOOP("DerivationWindow", "Подсказка: %1 се прилага към %2."))
            .arg(VerdictText::lawName(note.law), printedText(note.part));
    case Kind::HintFilled:
        return windowText(QT_TRANSLATE_NOOP("DerivationWindow",
                                            "Подсказка: следващата формула е в полето; Enter я проверява."));
    case Kind::NotEquivalent:
        return (note.hint
                    ? windowText(QT_TRANSLATE_NOOP(
                          "DerivationWindow", "Подсказка: целта не е равносилна на последната формула: %1"))
                    : windowText(QT_TRANSLATE_NOOP("DerivationWindow",
                                                   "Целта не е равносилна на последната формула: %1")))
            .arg(VerdictText::counterexample(note.counterexample));
    case Kind::GaveUp:
        return note.hint
                   ? windowText(QT_TRANSLATE_NOOP(
                         "DerivationWindow",
                         "Подсказка: в границите на търсенето не е намерено извеждане до целта."))
                   : windowText(QT_TRANSLATE_NOOP(
                         "DerivationWindow", "В границите на търсенето не е намерено извеждане до целта."));
    }
    return {};
}
