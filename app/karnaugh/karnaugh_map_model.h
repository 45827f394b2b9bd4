// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// One Karnaugh map as a table: a cell reads "0" or "1", a row or column
// header names its variables and their values ("AB = 01"), which a screen
// reader reads as the header's name.

#include "karnaugh.h"

#include <QAbstractTableModel>

#include <optional>
#include <string>

class KarnaughMapModel : public QAbstractTableModel {
    Q_OBJECT

public:
    using QAbstractTableModel::QAbstractTableModel;

    // No layout: an empty table.
    void setMap(std::optional<derivations::KarnaughLayout> layout, std::uint64_t truth,
                const std::string &letters);
    const std::optional<derivations::KarnaughLayout> &layout() const { return layout_; }
    bool value(derivations::MapCell cell) const;
    // "AB = 01, CD = 11": how the verdict names a cell.
    QString cellName(derivations::MapCell cell) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

private:
    QString headerText(int section, Qt::Orientation orientation) const;

    std::optional<derivations::KarnaughLayout> layout_;
    std::uint64_t truth_ = 0;
    std::string letters_;
};
