// SPDX-License-Identifier: GPL-3.0-or-later
#include "truth_table_model.h"

#include "digit.h"
#include "table_colours.h"
#include "truth_table_texts.h"

namespace {

using table_texts::shown;

} // namespace

bool TruthTableModel::sameShape(const std::optional<formulas::TruthTable> &other) const {
    if (!table_ || !other)
        return !table_ && !other;
    return table_->variables == other->variables && table_->hasEquals == other->hasEquals;
}

void TruthTableModel::startFresh() {
    exercise_.reset();
    if (exerciseOn_ && table_)
        exercise_.emplace(*table_);
    checked_ = false;
    truthShown_ = false;
}

void TruthTableModel::everythingChanged() {
    if (rowCount() > 0) {
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
        emit headerDataChanged(Qt::Vertical, 0, rowCount() - 1);
    }
    emit exerciseChanged();
}

void TruthTableModel::setTable(std::optional<formulas::TruthTable> table) {
    if (exerciseOn_) {
        beginResetModel();
        table_ = std::move(table);
        startFresh();
        endResetModel();
        emit exerciseChanged();
        return;
    }
    // A keystroke that keeps the variables and the "=" changes only values:
    // the view keeps its selection, its column widths and its scroll place.
    if (sameShape(table)) {
        table_ = std::move(table);
        if (rowCount() > 0) {
            emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
            emit headerDataChanged(Qt::Vertical, 0, rowCount() - 1);
        }
        return;
    }
    beginResetModel();
    table_ = std::move(table);
    endResetModel();
}

void TruthTableModel::setExercise(bool on) {
    exerciseOn_ = on;
    startFresh();
    everythingChanged();
}

bool TruthTableModel::isAnswerCell(const QModelIndex &index) const {
    return exercise_ && index.isValid() && index.model() == this && index.column() >= variableCount();
}

void TruthTableModel::answersChanged(const QModelIndex &from, const QModelIndex &to) {
    // A changed answer is not the one that was checked: the marks go until
    // the student checks again.
    if (checked_) {
        checked_ = false;
        emit dataChanged(index(0, variableCount()), index(rowCount() - 1, columnCount() - 1));
    } else {
        emit dataChanged(from, to);
    }
    emit exerciseChanged();
}

void TruthTableModel::setAnswer(const QModelIndex &cell, formulas::Answer answer) {
    if (!isAnswerCell(cell))
        return;
    exercise_->setAnswer(cell.row(), cell.column() - variableCount(), answer);
    answersChanged(cell, cell);
}

void TruthTableModel::toggle(const QModelIndex &cell) {
    if (!isAnswerCell(cell))
        return;
    exercise_->toggle(cell.row(), cell.column() - variableCount());
    answersChanged(cell, cell);
}

void TruthTableModel::restart() {
    startFresh();
    everythingChanged();
}

void TruthTableModel::check() {
    if (!exercise_ || rowCount() == 0)
        return;
    checked_ = true;
    emit dataChanged(index(0, variableCount()), index(rowCount() - 1, columnCount() - 1));
    emit exerciseChanged();
}

void TruthTableModel::showTruth(bool shown) {
    if (!exercise_ || truthShown_ == shown)
        return;
    truthShown_ = shown;
    if (rowCount() > 0)
        emit dataChanged(index(0, variableCount()), index(rowCount() - 1, columnCount() - 1));
    emit exerciseChanged();
}

int TruthTableModel::rowCount(const QModelIndex &parent) const {
    return parent.isValid() || !table_ ? 0 : int(table_->rows.size());
}

int TruthTableModel::columnCount(const QModelIndex &parent) const {
    if (parent.isValid() || !table_)
        return 0;
    return variableCount() + (table_->hasEquals ? 2 : 1);
}

bool TruthTableModel::cellValue(const formulas::TableRow &row, int column) const {
    const int variables = variableCount();
    if (column < variables)
        return row.values[std::size_t(column)];
    return column == variables ? row.left : row.right;
}

QString TruthTableModel::rowMarkText() const {
    return shown(table_->hasEquals ? table_texts::sidesDiffer : table_texts::formulaFalse);
}

QVariant TruthTableModel::answerData(int row, int side, int role) const {
    const formulas::Answer answer = exercise_->answer(row, side);
    const formulas::Mark mark = checked_ ? exercise_->mark(row, side) : formulas::Mark::Blank;
    const bool right = mark == formulas::Mark::Right;
    switch (role) {
    case Qt::DisplayRole: {
        QString text;
        if (answer != formulas::Answer::Blank)
            text = digit(answer == formulas::Answer::One);
        if (mark != formulas::Mark::Blank)
            text += QLatin1Char(' ') + shown(right ? table_texts::rightSign : table_texts::wrongSign);
        if (truthShown_)
            text = shown(table_texts::withTruth).arg(text, digit(exercise_->truth(row, side))).trimmed();
        return text;
    }
    case Qt::TextAlignmentRole:
        return int(Qt::AlignCenter);
    case Qt::BackgroundRole:
        if (mark != formulas::Mark::Blank)
            return right ? table_colours::rightBackground : table_colours::wrongBackground;
        break;
    case Qt::ForegroundRole:
        if (mark != formulas::Mark::Blank)
            return table_colours::markedText;
        break;
    case Qt::ToolTipRole:
    case Qt::AccessibleDescriptionRole: {
        QString description = shown(answer == formulas::Answer::Blank ? table_texts::blankAnswer
                                    : mark == formulas::Mark::Blank   ? table_texts::filledAnswer
                                    : right                           ? table_texts::rightAnswer
                                                                      : table_texts::wrongAnswer);
        if (truthShown_)
            description += shown(table_texts::trueValueIs).arg(digit(exercise_->truth(row, side)));
        return description;
    }
    default:
        break;
    }
    return {};
}

QVariant TruthTableModel::data(const QModelIndex &index, int role) const {
    if (!index.isValid() || !table_)
        return {};
    if (isAnswerCell(index))
        return answerData(index.row(), index.column() - variableCount(), role);
    const formulas::TableRow &row = table_->rows[std::size_t(index.row())];
    // The differing rows are marked only outside the exercise: inside, they
    // would give the answers away.
    const bool marked = !exerciseOn_ && !row.holds();
    switch (role) {
    case Qt::DisplayRole:
        return digit(cellValue(row, index.column()));
    case Qt::TextAlignmentRole:
        return int(Qt::AlignCenter);
    case Qt::BackgroundRole:
        if (marked)
            return table_colours::wrongBackground;
        break;
    case Qt::ForegroundRole:
        if (marked)
            return table_colours::markedText;
        break;
    case Qt::ToolTipRole:
    case Qt::AccessibleDescriptionRole:
        if (marked)
            return rowMarkText();
        break;
    default:
        break;
    }
    return {};
}

QVariant TruthTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (!table_ || role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical) {
        if (section < 0 || section >= rowCount())
            return {};
        return exerciseOn_ || table_->rows[std::size_t(section)].holds() ? QString()
                                                                         : shown(table_texts::rowDiffers);
    }
    const int variables = variableCount();
    if (section < variables)
        return QString(QChar::fromLatin1(table_->variables[std::size_t(section)]));
    if (!table_->hasEquals)
        return shown(table_texts::value);
    return shown(section == variables ? table_texts::leftSide : table_texts::rightSide);
}

Qt::ItemFlags TruthTableModel::flags(const QModelIndex &index) const {
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

void TruthTableModel::retranslate() {
    if (columnCount() > 0)
        emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
    if (rowCount() > 0) {
        emit headerDataChanged(Qt::Vertical, 0, rowCount() - 1);
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
    }
}
