// SPDX-License-Identifier: GPL-3.0-or-later
#include "derivation_task.h"

#include "derivation_search.h"
#include "formula_messages.h"
#include "law_names.h"
#include "minimal_forms.h"
#include "printed_text.h"

namespace {

// What simplify() derives a formula into: its minimal sum of products, or
// its constant where it has no letters.
formulas::Tree minimalFormOf(const formulas::Tree &formula) {
    const std::vector<char> letters = derivations::lettersOf(formula, nullptr);
    if (letters.empty() || letters.size() > std::size_t(derivations::maxMinimalFormVariables))
        return formulas::constant(derivations::truthOf(formula, {})[0] & 1);
    return derivations::minimalSumOfProducts(formula);
}

} // namespace

QString DerivationTask::subject() const { return law ? law_names::subject(*law) : formula; }

QString DerivationTask::goalText() const {
    return minimalForm ? DerivationTasks::tr("минимална форма") : printedText(goal);
}

QString StepError::text() const {
    if (unreadable)
        return formulaErrorText(*unreadable);
    return DerivationTasks::tr("Грешка на позиция %1: стъпката е една формула, без второ „=“")
        .arg(secondEquals);
}

DerivationTask DerivationTasks::ofLaw(int row) {
    // Every formula of the catalogue reads, with both sides.
    DerivationTask task = std::get<DerivationTask>(ofFormula(law_names::formula(row)));
    task.law = row;
    return task;
}

std::variant<DerivationTask, formulas::ReadError> DerivationTasks::ofFormula(const QString &text) {
    auto read = formulas::readTree(text.toStdU32String());
    if (auto *error = std::get_if<formulas::ReadError>(&read))
        return *error;
    const formulas::Equation &equation = std::get<formulas::Equation>(read);
    DerivationTask task;
    task.start = equation.left;
    task.minimalForm = !equation.right;
    task.goal = equation.right ? equation.right : minimalFormOf(equation.left);
    task.formula = QString::fromStdString(formulas::printed(equation));
    return task;
}

std::variant<formulas::Tree, StepError> DerivationTasks::readStep(const QString &text) {
    QString step = text;
    const qsizetype lead = step.indexOf(QLatin1Char('='));
    const bool leadingEquals = lead >= 0 && step.left(lead).trimmed().isEmpty();
    if (leadingEquals)
        step[lead] = QLatin1Char(' '); // the positions of the reader's messages stay those of the text
    auto read = formulas::readTree(step.toStdU32String());
    if (auto *error = std::get_if<formulas::ReadError>(&read))
        return StepError{*error, 0};
    const formulas::Equation &equation = std::get<formulas::Equation>(read);
    if (equation.right)
        return StepError{std::nullopt, int(step.indexOf(QLatin1Char('='))) + 1};
    return equation.left;
}
