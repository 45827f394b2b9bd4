// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The Karnaugh maps of the formula the student is looking at: the
// truth-table window's own formula while it has one, the chosen law's
// otherwise, both read from the shared LawSelection. One map, or two side by
// side for a formula with "=" (a law whose two maps are the same picture is
// proved by sight), the minimal sum of products with its groups drawn as
// loops, and the minimal product of sums. "Групирай сам" hides the answer:
// the student draws the groups on the (left) map and "Провери" grades them.
// The window shows its KarnaughSession and hands the clicks to it.

#include "karnaugh_session.h"
#include "map_loops.h"

#include <QMainWindow>

#include <vector>

class KarnaughMapModel;
class KarnaughMapView;
class LawSelection;
class QAction;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

class KarnaughWindow : public QMainWindow {
    Q_OBJECT

public:
    // A window of its own that stays with `parent`.
    KarnaughWindow(LawSelection &selection, QWidget *parent);

    KarnaughSession &session() { return session_; }

    // An item for the groups' context menus; its shortcut works anywhere in
    // the window.
    void addToContextMenu(QAction *action);

protected:
    void changeEvent(QEvent *event) override;

private:
    void buildControls();
    void retranslate();
    void follow();
    void showSession();
    std::vector<MapLoop> coverLoops(const KarnaughSide &side) const;
    std::vector<MapLoop> studentLoops() const;
    QString verdictText() const;
    void fillLists();

    LawSelection &selection_;
    KarnaughSession session_;
    std::optional<QString> mappedFormula_; // the maps' models show this formula

    QLabel *formulaLabel_ = nullptr;
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
    QLabel *verdictLabel_ = nullptr;
    QPlainTextEdit *verdict_ = nullptr;
};
