// SPDX-License-Identifier: GPL-3.0-or-later
#include "truth_table_session.h"

#include "law_names.h"
#include "truth_table_texts.h"

void TruthTableSession::showLaw(int row) {
    law_ = row;
    edited_ = false;
    tabulate(law_names::formula(row));
}

void TruthTableSession::edit(const QString &formula) {
    edited_ = true;
    tabulate(formula);
}

void TruthTableSession::tabulate(const QString &formula) {
    formula_ = formula;
    auto result = formulas::tabulate(formula.toStdU32String());
    if (auto *table = std::get_if<formulas::TruthTable>(&result)) {
        table_ = std::move(*table);
        readError_.reset();
    } else {
        table_.reset();
        readError_ = std::get<formulas::ReadError>(result);
    }
    emit changed();
}

QString TruthTableSession::subject() const {
    if (edited_ || law_ < 0)
        return table_texts::shown(table_texts::ownFormulaTitle);
    return law_names::subject(law_);
}
