// SPDX-License-Identifier: GPL-3.0-or-later
#include "truth_table_model.h"

#include "table_colours.h"
#include "truth_table_texts.h"

namespace {

QString utf8(const char *text) { return QString::fromUtf8(text); }

} // namespace

bool TruthTableModel::sameShape(const std::optional<formulas::TruthTable> &other) const {
    if (!table_ || !other)
        return !table_ && !other;
    return table_->variables == other->variables && table_->hasEquals == other->hasEquals;
}

void TruthTableModel::setTable(std::optional<formulas::TruthTable> table) {
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
        return row.values[std::size_t(table_->variables[std::size_t(column)] - 'A')];
    return column == variables ? row.left : row.right;
}

QString TruthTableModel::rowMarkText() const {
    return utf8(table_->hasEquals ? table_texts::sidesDiffer : table_texts::formulaFalse);
}

QVariant TruthTableModel::data(const QModelIndex &index, int role) const {
    if (!index.isValid() || !table_)
        return {};
    const formulas::TableRow &row = table_->rows[std::size_t(index.row())];
    switch (role) {
    case Qt::DisplayRole:
        return cellValue(row, index.column()) ? QStringLiteral("1") : QStringLiteral("0");
    case Qt::TextAlignmentRole:
        return int(Qt::AlignCenter);
    case Qt::BackgroundRole:
        if (!row.holds())
            return table_colours::wrongBackground;
        break;
    case Qt::ForegroundRole:
        if (!row.holds())
            return table_colours::markedText;
        break;
    case Qt::ToolTipRole:
    case Qt::AccessibleDescriptionRole:
        if (!row.holds())
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
        return table_->rows[std::size_t(section)].holds() ? QString() : utf8(table_texts::rowDiffers);
    }
    const int variables = variableCount();
    if (section < variables)
        return QString(QChar::fromLatin1(table_->variables[std::size_t(section)]));
    if (!table_->hasEquals)
        return utf8(table_texts::value);
    return utf8(section == variables ? table_texts::leftSide : table_texts::rightSide);
}

Qt::ItemFlags TruthTableModel::flags(const QModelIndex &index) const {
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}
