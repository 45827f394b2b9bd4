// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercise_session.h"

using exercises::Kind;
using exercises::Level;

ExerciseSession::ExerciseSession(std::uint32_t seed, QObject *parent)
    : QObject(parent), progress_(ExerciseProgress::load()) {
    make(seed);
}

void ExerciseSession::choose(int kindChoice, Level level) {
    if (kindChoice < 0 || kindChoice > mixedKinds || (kindChoice == kindChoice_ && level == level_))
        return;
    kindChoice_ = kindChoice;
    level_ = level;
    next();
}

void ExerciseSession::next() { make(exercise_ ? exercises::nextSeed(exercise_->seed) : 0); }

void ExerciseSession::setSeed(std::uint32_t seed) { make(seed > exercises::maxSeed ? 0 : seed); }

void ExerciseSession::make(std::uint32_t seed) {
    // Mixed, the seed chooses the kind too, so that it still sets the exercise.
    const Kind kind = kindChoice_ == mixedKinds ? Kind(seed % exercises::kindCount) : Kind(kindChoice_);
    exercise_ = exercises::generateExercise(kind, level_, seed);
    ++attempt_;
    result_ = Result::Open;
    answered_.reset();
    tried_ = false;
    solutionShown_ = false;
    emit changed();
}

ProgressCell &ExerciseSession::cell() { return progress_.at(exercise_->kind, exercise_->level); }

void ExerciseSession::countTried() {
    if (tried_ || !exercise_)
        return;
    tried_ = true;
    ++cell().tried;
    progress_.save();
}

void ExerciseSession::start() {
    if (!exercise_)
        return;
    countTried();
    emit changed();
    if (exercise_->kind != Kind::Law)
        emit startRequested(*exercise_, attempt_);
}

void ExerciseSession::solve() {
    if (result_ == Result::Solved || result_ == Result::Shown)
        return;
    countTried();
    result_ = Result::Solved;
    if (!solutionShown_) {
        ++cell().solved;
        progress_.save();
    }
}

void ExerciseSession::answer(const exercises::StepName &name) {
    if (!exercise_ || exercise_->kind != Kind::Law || result_ == Result::Solved)
        return;
    countTried();
    answered_ = name;
    if (exercises::isRightAnswer(*exercise_, name))
        solve();
    else if (result_ == Result::Open)
        result_ = Result::Wrong;
    emit changed();
}

void ExerciseSession::reportSolved(std::uint64_t attempt) {
    if (attempt != attempt_ || !exercise_ || result_ == Result::Solved)
        return;
    solve();
    emit changed();
}

void ExerciseSession::showSolution() {
    if (!exercise_ || solutionShown_)
        return;
    countTried();
    solutionShown_ = true;
    if (result_ != Result::Solved) {
        result_ = Result::Shown;
        ++cell().hints;
        progress_.save();
    }
    emit changed();
}

void ExerciseSession::reportHint(std::uint64_t attempt) {
    if (attempt != attempt_ || !exercise_)
        return;
    countTried();
    ++cell().hints;
    progress_.save();
    emit changed();
}

void ExerciseSession::reportShown(std::uint64_t attempt) {
    if (attempt == attempt_)
        showSolution();
}

void ExerciseSession::resetProgress() {
    progress_.clear();
    progress_.save();
    emit changed();
}
