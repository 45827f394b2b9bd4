// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The whole truth table of the chosen law beside its proof, in a window of
// its own. It follows the shared LawSelection both ways: the law gives the
// formula, the values of A, B and C give the table's selected row; choosing
// a row sets those values (and the main window proves them). A student may
// edit the formula: the table then follows the keystrokes, the selection's
// tableFormula holds the edited text while the window is open, and the law
// stays as it is. The window shows its TruthTableSession; the exercise
// ("Провери се") lives in the table's model.

#include "truth_table_session.h"

#include <QMainWindow>

#include <optional>
#include <utility>
#include <vector>

class LawSelection;
class QAction;
class QLabel;
class QLineEdit;
class QPushButton;
class TruthTableModel;
class TruthTableView;

class TruthTableWindow : public QMainWindow {
    Q_OBJECT

public:
    // A window of its own that stays with `parent`.
    TruthTableWindow(LawSelection &selection, QWidget *parent);

    TruthTableSession &session() { return session_; }

    // An item for the table's context menu; its shortcut works anywhere in
    // the window.
    void addToContextMenu(QAction *action);

    // "Провери се" on the student's own formula, from a fresh start.
    void startExercise(const QString &formula);
    // Off: "Покажи отговорите" is disabled until another formula is shown.
    void setHintsAllowed(bool allowed);
    // The values written in the exercise, row by row in counting order
    // (none for a blank): the left side's (or the formula's), and the right
    // side's for a formula with "=" (else empty).
    using Column = std::vector<std::optional<bool>>;
    std::pair<Column, Column> exerciseAnswers() const;
    // Saved values written in again; cells past the table are left out.
    void writeAnswers(const Column &left, const Column &right);

signals:
    // "Провери" found every cell right, the true values not shown.
    void exerciseSolved();
    // A value written or cleared, or the exercise started afresh.
    void answersChanged();
    // "Покажи отговорите" turned on.
    void truthShown();

protected:
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void buildControls();
    void buildExerciseButtons();
    void retranslate();
    void followSelection();

    void followLaw();
    void followValues();
    void showSession();
    void chooseRow(int row);
    void showVerdict();
    void fitTable();

    LawSelection &selection_;
    TruthTableSession session_;
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
    // The formula hints are off for, while it is shown.
    std::optional<QString> hintsOffFor_;
};
