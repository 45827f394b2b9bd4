// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The whole truth table of the chosen law beside its proof, in a window of
// its own that the main window opens on Ctrl+T or from its context menus.
// The two stay linked both ways: the main window's law gives the formula,
// its value selectors give the table's selected row; choosing a row sets
// the selectors (as clicks on them would, so the proof follows). A student
// may edit the formula: the table then follows the keystrokes and the main
// window's law stays as it is.

#include "formula.h"

#include <QWidget>

class Inf_Tarvisko;
class QAction;
class QLineEdit;
class QPushButton;
class TruthTableModel;
class TruthTableView;

class TruthTableWindow : public QWidget {
    Q_OBJECT

public:
    // Adds "Таблица на истинност" (Ctrl+T) to the main window's context
    // menus. The window is built the first time it is asked for, and raised
    // when it is open already. Returns the menu item.
    static QAction *attachTo(Inf_Tarvisko &main);

    explicit TruthTableWindow(Inf_Tarvisko &main);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void placeBeside(const QWidget &main);
    void buildControls();
    void buildExerciseButtons();
    QPushButton *makeButton(const char *text, const char *name, const char *toolTip);
    void connectToMainWindow();

    int lawRow() const;
    void followLaw();
    void followValues();
    void tabulate(const QString &formula);
    void chooseRow(int row);
    void updateTitle();
    void showVerdict();
    void fitTable();

    Inf_Tarvisko &main_;
    QLineEdit *formula_ = nullptr;
    TruthTableView *table_ = nullptr;
    QLineEdit *verdict_ = nullptr;
    QPushButton *lawFormula_ = nullptr;
    QPushButton *exercise_ = nullptr; // "Провери се", checkable
    QPushButton *check_ = nullptr;
    QPushButton *showTruth_ = nullptr;
    QPushButton *restart_ = nullptr;
    TruthTableModel *model_ = nullptr;

    QString readError_;             // the reader's message while the formula cannot be read
    int shownLaw_ = -1;             // the law whose formula the field was given
    bool edited_ = false;           // the field holds the student's own formula
    bool settingSelectors_ = false; // our own row choice echoing back from the selectors
    bool followingSelectors_ = false;
};
