// SPDX-License-Identifier: GPL-3.0-or-later
#include "table_exercise.h"

namespace formulas {

TableExercise::TableExercise(TruthTable table)
    : table_(std::move(table)), answers_(std::size_t(cellCount()), Answer::Blank) {}

bool TableExercise::truth(int row, int side) const {
    const TableRow &values = table_.rows[std::size_t(row)];
    return side == 0 ? values.left : values.right;
}

void TableExercise::toggle(int row, int side) {
    Answer &answer = answers_[index(row, side)];
    answer = answer == Answer::Blank ? Answer::Zero : answer == Answer::Zero ? Answer::One : Answer::Blank;
}

void TableExercise::clear() { answers_.assign(answers_.size(), Answer::Blank); }

Mark TableExercise::mark(int row, int side) const {
    const Answer given = answer(row, side);
    if (given == Answer::Blank)
        return Mark::Blank;
    return (given == Answer::One) == truth(row, side) ? Mark::Right : Mark::Wrong;
}

int TableExercise::rightCount() const {
    int right = 0;
    for (int row = 0; row < rows(); ++row)
        for (int side = 0; side < sides(); ++side)
            right += mark(row, side) == Mark::Right;
    return right;
}

} // namespace formulas
