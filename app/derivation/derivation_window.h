// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The student's derivation, step by step, beside the law and its truth
// table. "Цел" shows where the chain must arrive, "Стъпки" the chain, whose
// first item is the starting formula. Enter in "Следваща стъпка" hands the
// typed formula (with the law claimed in "Закон", if any) to the session,
// which checks it against the chain's last item; "Проверка" shows what the
// session says. Hints, a whole derivation, undo and a fresh start are
// buttons. The window shows its DerivationSession and follows the shared
// selection's law: another law starts it again. Closing it (its close
// button or Ctrl+W) drops a running search at once.

#include "derivation_session.h"

#include <QMainWindow>

class LawSelection;
class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

class DerivationWindow : public QMainWindow {
    Q_OBJECT

public:
    // A window of its own that stays with `parent`.
    DerivationWindow(LawSelection &selection, QWidget *parent);

    DerivationSession &session() { return session_; }

    // An item for the chain's context menu; its shortcut works anywhere in
    // the window.
    void addToContextMenu(QAction *action);

protected:
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildControls();
    void buildActions();
    void retranslate();
    void showSession(); // the session's state in the controls
    void checkTyped();
    void fromTable();
    void escape();

    LawSelection &selection_;
    DerivationSession session_;

    QLabel *goalLabel_ = nullptr;
    QLineEdit *goal_ = nullptr;
    QLabel *stepsLabel_ = nullptr;
    QListWidget *steps_ = nullptr;
    QLabel *fieldLabel_ = nullptr;
    QLineEdit *field_ = nullptr;
    QLabel *lawLabel_ = nullptr;
    QComboBox *law_ = nullptr;
    QLabel *verdictLabel_ = nullptr;
    QLineEdit *verdict_ = nullptr;
    QPushButton *hint_ = nullptr;
    QPushButton *show_ = nullptr;
    QPushButton *undo_ = nullptr;
    QPushButton *restart_ = nullptr;
    QPushButton *fromTable_ = nullptr;
    QAction *save_ = nullptr;
    QAction *print_ = nullptr;
};
