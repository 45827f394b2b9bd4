// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the Karnaugh-map window works on, without a widget: the formula
// mapped and the law it comes from, its maps (or why it has none), the
// minimal cover shown, and the student's own groups with their grade. Every
// change says changed(); the window shows the session and hands the
// student's clicks to it.

#include "karnaugh_function.h"

#include <QObject>
#include <QStringList>

#include <optional>
#include <vector>

class KarnaughSession : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

    // The formula to map, and the catalogue's row it is the formula of (none
    // for the student's own). Another formula draws new maps; the same one
    // keeps the groups drawn on it.
    void show(const QString &formula, std::optional<int> law);

    const QString &formula() const { return formula_; }
    // What the title names: "7. Закон за транспозицията", or the formula.
    QString subject() const;
    const std::optional<KarnaughFunction> &function() const { return function_; }
    const std::optional<KarnaughProblem> &problem() const { return problem_; }
    bool hasTwoSides() const { return function_ && function_->right; }

    // Which of the minimal sums of products is shown, and how many there are.
    std::size_t cover() const;
    std::size_t coverCount() const;
    void nextCover();

    // "Групирай сам": the answer hidden while the student draws the groups.
    bool isDrawing() const { return drawing_; }
    void setDrawing(bool drawing);
    const std::vector<derivations::MapGroup> &drawn() const { return drawn_; }
    // A group drawn twice counts once; false when nothing changed.
    bool addGroup(const derivations::MapGroup &group);
    // The group drawn last that covers `cell` goes; false when none does.
    bool removeGroupAt(const derivations::MapCell &cell);
    void check();
    const std::optional<derivations::KarnaughGrade> &grade() const { return grade_; }

    // Off, for a task set without hints: the student draws the groups
    // (drawing stays on, so the minimal forms stay hidden) and no other
    // cover is shown. Another formula allows them again.
    void setHintsAllowed(bool allowed);
    bool hintsAllowed() const { return hintsAllowed_; }
    // The groups drawn as products of literals (care bits in the formula's
    // letters); a group whose sides are not 1, 2, 4… cells is no product and
    // is left out.
    derivations::Cover drawnTerms() const;
    // Saved groups drawn again, one product of literals a line ("A ^ !C",
    // "1" for the whole map); a line that names a letter the map lacks is
    // left out.
    void drawSaved(const QStringList &products);

signals:
    void changed();

private:
    bool shown_ = false;
    QString formula_;
    std::optional<int> law_;
    std::optional<KarnaughFunction> function_;
    std::optional<KarnaughProblem> problem_;
    std::size_t cover_ = 0;
    bool drawing_ = false;
    std::vector<derivations::MapGroup> drawn_;
    std::optional<derivations::KarnaughGrade> grade_;
    bool hintsAllowed_ = true;
};
