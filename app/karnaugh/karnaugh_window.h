// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The Karnaugh maps of the formula the student is looking at: the
// truth-table window's own formula while it has one, the chosen law's
// otherwise, both read from the shared LawSelection. One map, or two side by
// side for a formula with "=" (a law whose two maps are the same picture is
// proved by sight), the minimal sum of products with its groups drawn as
// loops, and the minimal product of sums. "Групирай сам" hides the answer:
// the student draws the groups on the (left) map and "Провери" grades them.

#include "karnaugh_function.h"
#include "map_loops.h"

#include <QWidget>

#include <optional>
#include <vector>

class Inf_Tarvisko;
class KarnaughMapModel;
class KarnaughMapView;
class LawSelection;
class QAction;
class Wording;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

class KarnaughWindow : public QWidget {
    Q_OBJECT

public:
    // A window of its own (Qt::Window) that stays with `parent`.
    KarnaughWindow(LawSelection &selection, QWidget *parent);

    // Adds "Карта на Карно…" (Ctrl+K) to the main window's context menus
    // (and so to the truth table's). Returns the menu item.
    static QAction *attachTo(Inf_Tarvisko &main);

    // The window that belongs to `owner`, built the first time it is asked
    // for, shown and raised.
    static KarnaughWindow *openFor(LawSelection &selection, QWidget &owner);

private:
    void buildControls();
    QPushButton *makeButton();
    static void wordButton(QPushButton *button, const QString &text, const QString &name,
                           const QString &toolTip);
    void follow();
    void refresh();
    void stepCover();
    void addGroup(const derivations::MapGroup &group);
    void removeGroupAt(const derivations::MapCell &cell);
    void check();
    std::vector<MapLoop> coverLoops(const KarnaughSide &side) const;
    std::vector<MapLoop> studentLoops() const;
    QString verdictText() const;
    void fillLists();

    LawSelection &selection_;
    std::optional<QString> shownFormula_;
    Wording *words_ = nullptr;
    std::optional<KarnaughFunction> function_;
    QString problem_; // why there is no map
    std::size_t cover_ = 0;
    std::vector<derivations::MapGroup> drawn_;
    std::optional<derivations::KarnaughGrade> grade_;

    QLineEdit *formula_ = nullptr;
    QLabel *leftCaption_ = nullptr;
    QLabel *rightCaption_ = nullptr;
    KarnaughMapModel *leftModel_ = nullptr;
    KarnaughMapModel *rightModel_ = nullptr;
    KarnaughMapView *leftMap_ = nullptr;
    KarnaughMapView *rightMap_ = nullptr;
    QLabel *comparisonLabel_ = nullptr;
    QLineEdit *comparison_ = nullptr;
    QLabel *sumLabel_ = nullptr;
    QLineEdit *sum_ = nullptr;
    QLabel *productLabel_ = nullptr;
    QLineEdit *product_ = nullptr;
    QLabel *groupsLabel_ = nullptr;
    QListWidget *groups_ = nullptr;
    QLabel *drawnLabel_ = nullptr;
    QListWidget *drawnGroups_ = nullptr;
    QPushButton *otherCover_ = nullptr;
    QPushButton *selfGroup_ = nullptr; // checkable
    QPushButton *check_ = nullptr;
    QPlainTextEdit *verdict_ = nullptr;
};
