// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The student's derivation, step by step, beside the law and its truth
// table. "Цел" shows where the chain must arrive, "Стъпки" the chain, whose
// first item is the starting formula. Enter in "Следваща стъпка" checks the
// typed formula against the chain's last item (with the law claimed in
// "Закон", if any) and "Проверка" says what the step was; a step that keeps
// the formula's value joins the chain. Hints, a whole derivation, undo and
// a fresh start are buttons. Checks and searches run in the background
// (BackgroundSearch); Escape or another step drops one. The window follows
// the shared selection's law: another law starts it again.

#include "background_search.h"
#include "derivation_chain.h"
#include "derivation_search.h"
#include "derivation_task.h"

#include <QWidget>

#include <optional>

class LawSelection;
class QAction;
class Wording;
class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;

class DerivationWindow : public QWidget {
    Q_OBJECT

public:
    // A window of its own (Qt::Window) that stays with `parent`.
    DerivationWindow(LawSelection &selection, QWidget *parent);

    // Starts again on law `row` (0 for law 1), or on a formula: "F = G"
    // derives F into G, a formula alone into its minimal form. A formula
    // that cannot be read leaves the chain as it is and says why.
    void startOnLaw(int row);
    void startOnFormula(const QString &text);

private:
    void buildControls();
    QPushButton *makeButton();
    static void wordButton(QPushButton *button, const QString &text, const QString &toolTip);
    void reword();
    void buildActions();
    void start(const DerivationTask &task);

    void checkTyped();
    void takeVerdict(const QString &typed, const formulas::Tree &formula,
                     const derivations::StepVerdict &verdict);
    void hint();
    void showHint(const derivations::DeriveResult &found);
    void showDerivation();
    void undoStep();
    void startAgain();
    void fromTable();
    void escape();
    void save();
    void print();

    void chainChanged();
    void say(const QString &text);
    QString prompt() const;
    bool eventFilter(QObject *watched, QEvent *event) override;

    LawSelection &selection_;
    BackgroundSearch *search_ = nullptr;
    DerivationTask task_;
    DerivationChain chain_;

    QLineEdit *goal_ = nullptr;
    QListWidget *steps_ = nullptr;
    QLineEdit *field_ = nullptr;
    QComboBox *law_ = nullptr;
    QLineEdit *verdict_ = nullptr;
    QPushButton *hint_ = nullptr;
    QPushButton *show_ = nullptr;
    QPushButton *undo_ = nullptr;
    QPushButton *restart_ = nullptr;
    QPushButton *fromTable_ = nullptr;

    // The hints given for the chain as it stands, and the derivation they
    // come from; both go when the chain changes.
    int hintLevel_ = 0;
    std::optional<derivations::DeriveResult> hintSource_;
    Wording *words_ = nullptr;
    bool showingPrompt_ = false; // the verdict line shows prompt(), reworded with the language
};
