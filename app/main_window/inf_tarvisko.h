// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The program's main window. How a click becomes a proof: the law list
// (List1[0]) and the three value selectors (Bul_Prom) raise List1_Click and
// Bul_Prom_Click on every change of their selection, whoever made it. Both end
// in ShowLaw, which reads the selected law's name and formula from the hidden
// catalogue lists (List1[2], List1[3]), reads the selectors into the form's
// values (ReadValues) and lets that row's prover append the proof lines. The
// whole text, built with "\r\n" line ends, then replaces the result box
// (Text1[1]) in one piece, so the box always shows clean lines.
//
// The window and the shared LawSelection follow each other: a click, once
// proved, is written into the selection; a change of the selection made
// elsewhere (the truth-table window) selects the row in the list, which
// raises the click handler and so exactly one proof. Other windows use the
// selection, never these controls; tests find the controls by objectName.

#include "choice_list.h"
#include "form_values.h"
#include "law_selection.h"

#include <QWidget>

#include <array>
#include <cstdint>
#include <string>

class QAction;
class QLabel;
class QPlainTextEdit;

class Inf_Tarvisko : public QWidget {
    Q_OBJECT

public:
    // The window shows and sets `selection` (kept by the caller, which
    // outlives the window); without one it keeps a selection of its own.
    explicit Inf_Tarvisko(LawSelection *selection = nullptr, QWidget *parent = nullptr);

    LawSelection *selection() const { return selection_; }

    // The controls that show, not choose (the lists are private: other
    // windows choose through the selection).
    QLabel *Etiket = nullptr;
    std::array<QPlainTextEdit *, 2> Text1{}; // description, result box
    std::array<QLabel *, 3> Label1{};        // "A", "B", "C"

    // The result box's text exactly as built, "\r\n" line ends included.
    const std::string &resultText() const { return resultText_; }
    const provers::FormValues &formValues() const { return values_; }

    // An item for the context menus of the law list and the result box,
    // after their own items; its shortcut works anywhere in the window.
    void addToContextMenus(QAction *action);

protected:
    // A change of language words the window again: its fixed texts, tool-tips,
    // names for screen readers, the law list and the proof's header.
    void changeEvent(QEvent *event) override;

private:
    // The lists, by the names and indices their object names carry.
    std::array<ChoiceList *, 4> List1{};    // law list; hidden: counts, names, formulas
    std::array<ChoiceList *, 3> Bul_Prom{}; // values of A, B, C

    void buildControls();
    void setTexts();
    void retranslate();
    void nameForScreenReaders();
    void connectHandlers();
    void followSelection();
    void Form_Load();

    void List1_Click(int index);
    void Bul_Prom_Click(int index);
    void ReadValues();
    void ShowLaw(std::int16_t row);

    LawSelection *selection_;
    provers::FormValues values_;
    std::string resultText_;
};
