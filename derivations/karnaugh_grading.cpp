// SPDX-License-Identifier: GPL-3.0-or-later
// A student's groups against the rules of a minimal cover: each group a
// rectangle of 1, 2, 4… cells a side, holding only 1s, as large as it can be;
// every 1 covered; no more groups than the fewest prime implicants need.
// Any cover that keeps these rules is right, whichever groups it chose.

#include "karnaugh.h"

namespace derivations {
namespace {

bool isImplicant(int variableCount, std::uint64_t truth, Term term) {
    return (rowsOf(variableCount, term) & ~truth) == 0;
}

// Drops fixed variables, the first first, for as long as only 1s are held.
Term widened(int variableCount, std::uint64_t truth, Term term) {
    for (int v = 0; v < variableCount; ++v) {
        const std::uint32_t bit = std::uint32_t(1) << (variableCount - 1 - v);
        const Term wider{term.care & ~bit, term.value & ~bit};
        if ((term.care & bit) && isImplicant(variableCount, truth, wider))
            term = wider;
    }
    return term;
}

GroupGrade gradeGroup(const KarnaughLayout &layout, std::uint64_t truth, const MapGroup &group) {
    GroupGrade grade;
    grade.cells = cellsOf(layout, group);
    grade.term = termOf(layout, group);
    if (!hasPowerOfTwoSides(layout, group)) {
        grade.fault = GroupFault::BadSize;
        return grade;
    }
    for (MapCell cell : grade.cells)
        if (!(truth >> layout.truthRow(cell) & 1))
            grade.zeroCells.push_back(cell);
    if (!grade.zeroCells.empty()) {
        grade.fault = GroupFault::HoldsZero;
        return grade;
    }
    const Term prime = widened(layout.variableCount(), truth, grade.term);
    if (!(prime == grade.term)) {
        grade.fault = GroupFault::NotLargest;
        grade.largerGroup = groupOf(layout, prime);
    }
    return grade;
}

} // namespace

bool KarnaughGrade::correct() const {
    for (const GroupGrade &group : groups)
        if (group.fault != GroupFault::None)
            return false;
    return uncoveredOnes.empty() && !tooManyGroups();
}

KarnaughGrade gradeGroups(const KarnaughLayout &layout, std::uint64_t truth,
                          const std::vector<MapGroup> &groups) {
    const int variableCount = layout.variableCount();
    truth &= layout.cellCount() == 64 ? ~std::uint64_t(0) : (std::uint64_t(1) << layout.cellCount()) - 1;
    KarnaughGrade grade;
    grade.groupCount = int(groups.size());
    grade.minimalGroupCount = fewestTermCount(variableCount, truth);
    std::vector<std::uint64_t> held;
    for (const MapGroup &group : groups) {
        grade.groups.push_back(gradeGroup(layout, truth, group));
        held.push_back(truthRowsOf(layout, group));
    }
    // A drawn cell counts as covered even where its group breaks a rule:
    // that group is already named, and the 1s left out are what is missing.
    std::uint64_t covered = 0;
    for (std::uint64_t rows : held)
        covered |= rows;
    for (int row = 0; row < layout.cellCount(); ++row)
        if ((truth >> row & 1) && !(covered >> row & 1))
            grade.uncoveredOnes.push_back(layout.cellOf(row));
    // From the last group back, one whose 1s the groups still kept hold.
    std::vector<bool> kept(groups.size(), true);
    for (std::size_t i = groups.size(); i-- > 0;) {
        std::uint64_t others = 0;
        for (std::size_t j = 0; j < groups.size(); ++j)
            if (j != i && kept[j])
                others |= held[j];
        if ((held[i] & truth & ~others) == 0) {
            kept[i] = false;
            grade.groups[i].redundant = true;
        }
    }
    return grade;
}

} // namespace derivations
