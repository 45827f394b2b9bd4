// SPDX-License-Identifier: GPL-3.0-or-later
#include "karnaugh_map_model.h"

void KarnaughMapModel::setMap(std::optional<derivations::KarnaughLayout> layout, std::uint64_t truth,
                              const std::string &letters) {
    beginResetModel();
    layout_ = layout;
    truth_ = truth;
    letters_ = letters;
    endResetModel();
}

bool KarnaughMapModel::value(derivations::MapCell cell) const {
    return layout_ && (truth_ >> layout_->truthRow(cell)) & 1;
}

QString KarnaughMapModel::cellName(derivations::MapCell cell) const {
    return tr("%1, %2").arg(headerText(cell.row, Qt::Vertical), headerText(cell.column, Qt::Horizontal));
}

int KarnaughMapModel::rowCount(const QModelIndex &parent) const {
    return layout_ && !parent.isValid() ? layout_->rows() : 0;
}

int KarnaughMapModel::columnCount(const QModelIndex &parent) const {
    return layout_ && !parent.isValid() ? layout_->columns() : 0;
}

QVariant KarnaughMapModel::data(const QModelIndex &index, int role) const {
    if (!layout_ || !index.isValid())
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return value({index.row(), index.column()}) ? QStringLiteral("1") : QStringLiteral("0");
    case Qt::TextAlignmentRole:
        return int(Qt::AlignCenter);
    default:
        return {};
    }
}

QString KarnaughMapModel::headerText(int section, Qt::Orientation orientation) const {
    if (!layout_)
        return {};
    const bool rows = orientation == Qt::Vertical;
    const std::size_t first = rows ? 0 : std::size_t(layout_->rowVariableCount());
    const std::size_t count =
        std::size_t(rows ? layout_->rowVariableCount() : layout_->columnVariableCount());
    const std::string label = rows ? layout_->rowLabel(section) : layout_->columnLabel(section);
    return tr("%1 = %2").arg(QString::fromStdString(letters_.substr(first, count)),
                             QString::fromStdString(label));
}

QVariant KarnaughMapModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (!layout_ || section < 0 || section >= (orientation == Qt::Vertical ? rowCount() : columnCount()))
        return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
        return headerText(section, orientation);
    case Qt::TextAlignmentRole:
        return int(Qt::AlignCenter);
    default:
        return {};
    }
}

Qt::ItemFlags KarnaughMapModel::flags(const QModelIndex &index) const {
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}
