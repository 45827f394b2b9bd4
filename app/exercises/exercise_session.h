// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the exercise window works on, without a widget: the kind and level
// chosen, the exercise set, how it stands (open, a wrong answer, solved, its
// solution shown) and the progress kept over runs. An exercise is made from
// a seed; "Ново" takes the seed after the last one, so that a run of
// exercises is the same wherever it starts from the same seed.
//
// A "Закон" exercise is answered here (answer()); the others are done in
// another window: start() asks for it (startRequested), and whoever opens
// that window reports its end with reportSolved(attempt). An attempt names
// one exercise, so that a window still open on an older one cannot solve
// the new one.

#include "exercise.h"
#include "exercise_progress.h"
#include "step_answer.h"

#include <QObject>

#include <cstdint>
#include <optional>

class ExerciseSession : public QObject {
    Q_OBJECT

public:
    enum class Result { Open, Wrong, Solved, Shown };
    // The kind choice that mixes the kinds ("Смесено"), after the five kinds.
    static constexpr int mixedKinds = exercises::kindCount;

    // Sets the first exercise, of the first kind at the easy level, from `seed`.
    explicit ExerciseSession(std::uint32_t seed, QObject *parent = nullptr);

    // 0 to 4 for the kinds in their order, mixedKinds for all of them.
    int kindChoice() const { return kindChoice_; }
    exercises::Level level() const { return level_; }
    // A new choice sets a new exercise.
    void choose(int kindChoice, exercises::Level level);

    // "Ново": the next exercise of the kind and level chosen.
    void next();
    // Sets the exercise made from `seed` (or the next seed that gives one).
    void setSeed(std::uint32_t seed);

    const std::optional<exercises::Exercise> &exercise() const { return exercise_; }
    std::uint64_t attempt() const { return attempt_; }
    Result result() const { return result_; }
    // The last name given to a "Закон" exercise, if any.
    const std::optional<exercises::StepName> &answered() const { return answered_; }

    // "Започни": counts the exercise as tried and asks for its window.
    void start();
    // A name for a "Закон" exercise: right solves it, wrong says so.
    void answer(const exercises::StepName &name);
    // The window the exercise is done in reached its end.
    void reportSolved(std::uint64_t attempt);
    // That window gave a hint, or showed the whole answer (as showSolution()).
    void reportHint(std::uint64_t attempt);
    void reportShown(std::uint64_t attempt);
    // "Покажи решение": the program's answer, counted as shown, not solved.
    void showSolution();
    bool isSolutionShown() const { return solutionShown_; }

    const ExerciseProgress &progress() const { return progress_; }
    // "Нулирай": clears the counts, here and in the settings.
    void resetProgress();

signals:
    void changed();
    void startRequested(const exercises::Exercise &exercise, std::uint64_t attempt);

private:
    void make(std::uint32_t seed);
    void countTried();
    void solve();
    ProgressCell &cell();

    int kindChoice_ = 0;
    exercises::Level level_ = exercises::Level::Easy;
    std::optional<exercises::Exercise> exercise_;
    std::uint64_t attempt_ = 0;
    Result result_ = Result::Open;
    std::optional<exercises::StepName> answered_;
    bool tried_ = false;
    bool solutionShown_ = false;
    ExerciseProgress progress_;
};
