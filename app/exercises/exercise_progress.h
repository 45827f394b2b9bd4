// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the student has done, kind by level: the exercises solved, those
// tried, and the hints used (a solution shown is one). Kept with QSettings under the group
// "exercises", so that it outlasts the run.

#include "exercise.h"

#include <array>

struct ProgressCell {
    int solved = 0;
    int tried = 0;
    int hints = 0;
    friend bool operator==(const ProgressCell &, const ProgressCell &) = default;
};

class ExerciseProgress {
public:
    // Read from the application's settings.
    static ExerciseProgress load();
    void save() const;

    ProgressCell &at(exercises::Kind kind, exercises::Level level) {
        return cells_[std::size_t(kind)][std::size_t(level)];
    }
    const ProgressCell &at(exercises::Kind kind, exercises::Level level) const {
        return cells_[std::size_t(kind)][std::size_t(level)];
    }
    void clear() { cells_ = {}; }

private:
    std::array<std::array<ProgressCell, exercises::levelCount>, exercises::kindCount> cells_{};
};
