// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Karnaugh maps of two to four variables: where each truth-table row stands
// on the map, the groups a student draws (rectangles on a torus, so a group
// may wrap past any edge), and the grading of those groups. Results are
// codes, cells and group indices; the window words them and colours them.

#include "minimal_forms.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace derivations {

struct MapCell {
    int row = 0;
    int column = 0;
    friend bool operator==(const MapCell &, const MapCell &) = default;
};

// The first half of the variables (rounded down) name the rows, the rest the
// columns; both run in Gray order (00, 01, 11, 10; for one variable 0, 1), so
// that neighbouring cells, the edges' too, differ in one variable.
class KarnaughLayout {
public:
    // 2 to 4 variables; any other count has no map.
    static std::optional<KarnaughLayout> forVariables(int variableCount);

    int variableCount() const { return variableCount_; }
    int rowVariableCount() const { return variableCount_ / 2; }
    int columnVariableCount() const { return variableCount_ - rowVariableCount(); }
    int rows() const { return 1 << rowVariableCount(); }
    int columns() const { return 1 << columnVariableCount(); }
    int cellCount() const { return 1 << variableCount_; }

    // The truth-table row (counting order, first variable most significant)
    // a cell shows, and back.
    int truthRow(MapCell cell) const;
    MapCell cellOf(int truthRow) const;

    std::string rowLabel(int row) const;       // "0", "1" or "00", "01", "11", "10"
    std::string columnLabel(int column) const; // likewise
    // The row variables, a backslash, the column variables: "AB\CD".
    std::string cornerLabel(std::string_view letters) const;

private:
    explicit KarnaughLayout(int variableCount) : variableCount_(variableCount) {}
    int variableCount_;
};

// A rectangle from (top, left), height rows by width columns, wrapping past
// the bottom and right edges.
struct MapGroup {
    int top = 0;
    int left = 0;
    int height = 1;
    int width = 1;
    friend bool operator==(const MapGroup &, const MapGroup &) = default;
};

// The group lies on the map: its corner is a cell, and it is no larger than
// the map.
bool fitsMap(const KarnaughLayout &layout, const MapGroup &group);
// Each side is 1, 2, 4… cells, and the group fits the map.
bool hasPowerOfTwoSides(const KarnaughLayout &layout, const MapGroup &group);
// Row by row from the corner; none for a group that does not fit.
std::vector<MapCell> cellsOf(const KarnaughLayout &layout, const MapGroup &group);
std::uint64_t truthRowsOf(const KarnaughLayout &layout, const MapGroup &group);
// The variables constant over the group's cells, with their values; a group
// with power-of-two sides holds exactly the rows of this term. Term{} for a
// group that does not fit.
Term termOf(const KarnaughLayout &layout, const MapGroup &group);
// The rectangle holding a term's rows: the group to draw for a term of a
// minimal cover. Its corner is the cell where the wrapped rectangle starts.
MapGroup groupOf(const KarnaughLayout &layout, Term term);

// The map as the command line prints it: the corner label and the column
// labels, then each row's label and its cells (0 or 1), single spaces between.
std::vector<std::string> mapLines(const KarnaughLayout &layout, std::uint64_t truth,
                                  std::string_view letters);

// A group's rule broken, the first that applies in this order.
enum class GroupFault {
    None,
    BadSize,    // a side that is not 1, 2, 4…, or a group that does not fit the map
    HoldsZero,  // zeroCells lists where
    NotLargest, // largerGroup is a group of only 1s that holds it
};

struct GroupGrade {
    GroupFault fault = GroupFault::None;
    std::vector<MapCell> cells;
    Term term;                           // termOf the group
    std::vector<MapCell> zeroCells;      // HoldsZero
    std::optional<MapGroup> largerGroup; // NotLargest: as large as it can be
    // Its cells are covered by the groups kept; dropping every group marked so
    // keeps the coverage (the later of two equal groups is the one marked).
    bool redundant = false;
};

struct KarnaughGrade {
    std::vector<GroupGrade> groups; // in the order the student gave them
    std::vector<MapCell> uncoveredOnes;
    int groupCount = 0;
    int minimalGroupCount = 0; // the fewest prime implicants covering the function
    bool tooManyGroups() const { return groupCount > minimalGroupCount; }
    // Every group a largest rectangle of 1s, every 1 covered, no group too many.
    bool correct() const;
};

KarnaughGrade gradeGroups(const KarnaughLayout &layout, std::uint64_t truth,
                          const std::vector<MapGroup> &groups);

} // namespace derivations
