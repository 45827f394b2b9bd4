// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// "Check yourself": the student predicts a truth table's values before they
// are shown. The cells to fill are, on every row, the left and the right
// side (or the formula's value where there is no "="); each holds a blank,
// 0 or 1, and is graded against the table.

#include "formula.h"

#include <vector>

namespace formulas {

enum class Answer : unsigned char { Blank, Zero, One };
enum class Mark : unsigned char { Blank, Right, Wrong };

class TableExercise {
public:
    explicit TableExercise(TruthTable table);

    const TruthTable &table() const { return table_; }
    int rows() const { return int(table_.rows.size()); }
    int sides() const { return table_.hasEquals ? 2 : 1; } // cells to fill on a row
    int cellCount() const { return rows() * sides(); }

    // side 0 is the left side (or the whole formula), 1 the right side.
    bool truth(int row, int side) const;
    Answer answer(int row, int side) const { return answers_[index(row, side)]; }
    void setAnswer(int row, int side, Answer answer) { answers_[index(row, side)] = answer; }
    // Blank, then 0, then 1, then blank again.
    void toggle(int row, int side);
    void clear();

    // A blank is neither right nor wrong, and it does not count as right.
    Mark mark(int row, int side) const;
    int rightCount() const;

private:
    std::size_t index(int row, int side) const { return std::size_t(row * sides() + side); }

    TruthTable table_;
    std::vector<Answer> answers_;
};

} // namespace formulas
