// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The program's one window. How a click becomes a proof: the law list
// (List1[0]) and the three value selectors (Bul_Prom) raise List1_Click and
// Bul_Prom_Click on every change of their selection, whoever made it. Both end
// in ShowLaw, which reads the selected law's name and formula from the hidden
// catalogue lists (List1[2], List1[3]), reads the selectors into the form's
// values (ReadValues) and lets that row's prover append the proof lines. The
// whole text, built with "\r\n" line ends, then replaces the result box
// (Text1[1]) in one piece, so the box always shows clean lines.

#include "choice_list.h"
#include "form_values.h"

#include <QWidget>

#include <array>
#include <cstdint>
#include <string>

class ContextMenus;
class QAction;
class QLabel;
class QPlainTextEdit;

class Inf_Tarvisko : public QWidget {
    Q_OBJECT

public:
    explicit Inf_Tarvisko(QWidget *parent = nullptr);

    // The controls, by the names and indices of the window's table.
    QLabel *Etiket = nullptr;
    std::array<QPlainTextEdit *, 2> Text1{}; // description, result box
    std::array<ChoiceList *, 4> List1{};     // law list; hidden: counts, names, formulas
    std::array<QLabel *, 3> Label1{};        // "A", "B", "C"
    std::array<ChoiceList *, 3> Bul_Prom{};  // values of A, B, C

    // The result box's text exactly as built, "\r\n" line ends included.
    const std::string &resultText() const { return resultText_; }
    const provers::FormValues &formValues() const { return values_; }

    // An item for the context menus of the law list and the result box,
    // after their own items; its shortcut works anywhere in the window.
    void addToContextMenus(QAction *action);

private:
    void buildControls();
    void nameForScreenReaders();
    void connectHandlers();
    void Form_Load();

    void List1_Click(int index);
    void Bul_Prom_Click(int index);
    void ReadValues();
    void ShowLaw(std::int16_t row);

    ContextMenus *contextMenus_ = nullptr;
    provers::FormValues values_;
    std::string resultText_;
};
