// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A student's chain as the window holds it: the starting formula, then each
// accepted step with the law that made it, or, for a big step, the laws
// that would. Written out as the list shows it, as a file the command
// line's --check reads back, and as a page for the sheets' printer.

#include "step_check.h" // and the derivations' law_table.h

#include <QCoreApplication>
#include <QString>

#include <optional>
#include <vector>

struct ChainStep {
    formulas::Tree formula;
    std::optional<derivations::LawId> law; // none for the start and for a big step
    std::vector<derivations::LawId> laws;  // a big step: the laws that would make it, if found
    bool bigStep = false;
};

class DerivationChain {
    Q_DECLARE_TR_FUNCTIONS(DerivationChain)

public:
    void restart(formulas::Tree start, formulas::Tree goal);

    const std::vector<ChainStep> &items() const { return items_; }
    const formulas::Tree &last() const { return items_.back().formula; }
    const formulas::Tree &goal() const { return goal_; }
    int stepCount() const { return int(items_.size()) - 1; }

    void add(ChainStep step) { items_.push_back(std::move(step)); }
    // The start stays: false when only it is left.
    bool undo();
    // The last formula equals the goal, up to the order and grouping of
    // "^" and "v" operands.
    bool reachedGoal() const;

    // "formula  [law]", as --derive prints a step.
    static QString itemText(const ChainStep &step);
    // One formula a line, each step's law in brackets; a big step gets a
    // comment line above it instead. UTF-8 with LF line ends.
    QByteArray checkFile(const QString &goalText) const;
    // The chain alone in the same lines, without comments: the work a saved
    // assignment keeps for the task.
    QStringList workLines() const;
    // The chain as a page: the goal, the start and "= formula  [law]" lines.
    QString html(const QString &subject, const QString &goalText) const;

private:
    std::vector<ChainStep> items_;
    formulas::Tree goal_;
};
