// SPDX-License-Identifier: GPL-3.0-or-later
#include "law_selection.h"

namespace {

bool isVariable(int variable) { return variable >= 0 && variable < 3; }

} // namespace

void LawSelection::setLaw(int row) {
    if (row == law_)
        return;
    law_ = row;
    emit lawChanged(row);
    emit changed();
}

bool LawSelection::value(int variable) const {
    return isVariable(variable) && values_[std::size_t(variable)];
}

void LawSelection::setValue(int variable, bool value) {
    if (!isVariable(variable) || values_[std::size_t(variable)] == value)
        return;
    values_[std::size_t(variable)] = value;
    emit valueChanged(variable, value);
    emit changed();
}

void LawSelection::setValues(const std::array<bool, 3> &values) {
    const std::array<bool, 3> before = values_;
    values_ = values;
    for (int variable = 0; variable < 3; ++variable)
        if (before[std::size_t(variable)] != values[std::size_t(variable)]) {
            emit valueChanged(variable, values[std::size_t(variable)]);
            emit changed();
        }
}

void LawSelection::setTableFormula(const QString &formula) {
    if (formula == tableFormula_)
        return;
    tableFormula_ = formula;
    emit tableFormulaChanged(formula);
    emit changed();
}
