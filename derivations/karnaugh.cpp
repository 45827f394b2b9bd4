// SPDX-License-Identifier: GPL-3.0-or-later
#include "karnaugh.h"

namespace derivations {
namespace {

int gray(int index) { return index ^ (index >> 1); }
int grayIndex(int code) { return code ^ (code >> 1); } // enough for the two bits a side has

std::string bits(int code, int width) {
    std::string text;
    for (int bit = width - 1; bit >= 0; --bit)
        text += (code >> bit & 1) ? '1' : '0';
    return text;
}

bool powerOfTwo(int side) { return side > 0 && (side & (side - 1)) == 0; }

// The start and length of the cyclic run of marked places.
std::pair<int, int> cyclicRun(const std::vector<bool> &marked) {
    const int size = int(marked.size());
    int length = 0;
    for (bool mark : marked)
        length += mark;
    if (length == size)
        return {0, size};
    for (int start = 0; start < size; ++start)
        if (marked[std::size_t(start)] && !marked[std::size_t((start + size - 1) % size)])
            return {start, length};
    return {0, 0};
}

} // namespace

std::optional<KarnaughLayout> KarnaughLayout::forVariables(int variableCount) {
    if (variableCount < 2 || variableCount > 4)
        return std::nullopt;
    return KarnaughLayout(variableCount);
}

int KarnaughLayout::truthRow(MapCell cell) const {
    return gray(cell.row) << columnVariableCount() | gray(cell.column);
}

MapCell KarnaughLayout::cellOf(int truthRow) const {
    return {grayIndex(truthRow >> columnVariableCount()), grayIndex(truthRow & (columns() - 1))};
}

std::string KarnaughLayout::rowLabel(int row) const { return bits(gray(row), rowVariableCount()); }

std::string KarnaughLayout::columnLabel(int column) const {
    return bits(gray(column), columnVariableCount());
}

std::string KarnaughLayout::cornerLabel(std::string_view letters) const {
    auto letter = [&](int v) { return std::size_t(v) < letters.size() ? letters[std::size_t(v)] : '?'; };
    std::string text;
    for (int v = 0; v < variableCount_; ++v) {
        if (v == rowVariableCount())
            text += '\\';
        text += letter(v);
    }
    return text;
}

bool fitsMap(const KarnaughLayout &layout, const MapGroup &group) {
    return group.top >= 0 && group.top < layout.rows() && group.left >= 0 && group.left < layout.columns() &&
           group.height >= 1 && group.height <= layout.rows() && group.width >= 1 &&
           group.width <= layout.columns();
}

bool hasPowerOfTwoSides(const KarnaughLayout &layout, const MapGroup &group) {
    return fitsMap(layout, group) && powerOfTwo(group.height) && powerOfTwo(group.width);
}

std::vector<MapCell> cellsOf(const KarnaughLayout &layout, const MapGroup &group) {
    std::vector<MapCell> cells;
    if (!fitsMap(layout, group))
        return cells;
    for (int down = 0; down < group.height; ++down)
        for (int across = 0; across < group.width; ++across)
            cells.push_back({(group.top + down) % layout.rows(), (group.left + across) % layout.columns()});
    return cells;
}

std::uint64_t truthRowsOf(const KarnaughLayout &layout, const MapGroup &group) {
    std::uint64_t rows = 0;
    for (MapCell cell : cellsOf(layout, group))
        rows |= std::uint64_t(1) << layout.truthRow(cell);
    return rows;
}

Term termOf(const KarnaughLayout &layout, const MapGroup &group) {
    const std::vector<MapCell> cells = cellsOf(layout, group);
    if (cells.empty())
        return {};
    const std::uint32_t everyBit = (std::uint32_t(1) << layout.variableCount()) - 1;
    const auto first = std::uint32_t(layout.truthRow(cells.front()));
    std::uint32_t varying = 0;
    for (MapCell cell : cells)
        varying |= std::uint32_t(layout.truthRow(cell)) ^ first;
    const std::uint32_t care = everyBit & ~varying;
    return {care, first & care};
}

MapGroup groupOf(const KarnaughLayout &layout, Term term) {
    std::vector<bool> rows(std::size_t(layout.rows()));
    std::vector<bool> columns(std::size_t(layout.columns()));
    const std::uint64_t held = rowsOf(layout.variableCount(), term);
    for (int row = 0; row < layout.rows(); ++row)
        for (int column = 0; column < layout.columns(); ++column)
            if (held >> layout.truthRow({row, column}) & 1)
                rows[std::size_t(row)] = columns[std::size_t(column)] = true;
    const auto [top, height] = cyclicRun(rows);
    const auto [left, width] = cyclicRun(columns);
    return {top, left, height, width};
}

std::vector<std::string> mapLines(const KarnaughLayout &layout, std::uint64_t truth,
                                  std::string_view letters) {
    std::vector<std::string> lines;
    std::string header = layout.cornerLabel(letters);
    for (int column = 0; column < layout.columns(); ++column)
        header += ' ' + layout.columnLabel(column);
    lines.push_back(header);
    for (int row = 0; row < layout.rows(); ++row) {
        std::string line = layout.rowLabel(row);
        for (int column = 0; column < layout.columns(); ++column)
            line += (truth >> layout.truthRow({row, column}) & 1) ? " 1" : " 0";
        lines.push_back(line);
    }
    return lines;
}

} // namespace derivations
