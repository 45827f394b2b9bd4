// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The whole truth table of the chosen law beside its proof, in a window of
// its own that the main window opens on Ctrl+T or from its context menus.
// It follows the shared LawSelection both ways: the law gives the formula,
// the values of A, B and C give the table's selected row; choosing a row
// sets those values (and the main window proves them). A student may edit
// the formula: the table then follows the keystrokes, the selection's
// tableFormula holds the edited text, and the law stays as it is.

#include "formula.h"

#include <QWidget>
#include <optional>

class Inf_Tarvisko;
class LawSelection;
class QAction;
class QLabel;
class QLineEdit;
class QPushButton;
class TruthTableModel;
class TruthTableView;

class TruthTableWindow : public QWidget {
    Q_OBJECT

public:
    // Adds "Таблица на истинност" (Ctrl+T) to the main window's context
    // menus. The window is built the first time it is asked for, and raised
    // when it is open already; its table's menu offers the main window's
    // other items. Returns the menu item.
    static QAction *attachTo(Inf_Tarvisko &main);

    // A window of its own (Qt::Window) that stays with `parent`.
    TruthTableWindow(LawSelection &selection, QWidget *parent);

    // An item for the table's context menu; its shortcut works anywhere in
    // the window.
    void addToTableMenu(QAction *action);

protected:
    void showEvent(QShowEvent *event) override;
    // A change of language words the window, its table and verdict again.
    void changeEvent(QEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void placeBeside(const QWidget &main);
    void buildControls();
    void buildExerciseButtons();
    QPushButton *makeButton();
    void setTexts();
    void followSelection();

    int lawRow() const;
    void followLaw();
    void followValues();
    void followTableFormula(const QString &formula);
    void tabulate(const QString &formula);
    void chooseRow(int row);
    void updateTitle();
    void showVerdict();
    void fitTable();

    LawSelection &selection_;
    QLabel *formulaLabel_ = nullptr;
    QLabel *verdictLabel_ = nullptr;
    QLineEdit *formula_ = nullptr;
    TruthTableView *table_ = nullptr;
    QLineEdit *verdict_ = nullptr;
    QPushButton *lawFormula_ = nullptr;
    QPushButton *exercise_ = nullptr; // "Провери се", checkable
    QPushButton *check_ = nullptr;
    QPushButton *showTruth_ = nullptr;
    QPushButton *restart_ = nullptr;
    TruthTableModel *model_ = nullptr;

    std::optional<formulas::ReadError> readError_; // while the formula cannot be read
    int shownLaw_ = -1;                            // the law whose formula the field was given
    bool edited_ = false;                          // the field holds the student's own formula
};
