// SPDX-License-Identifier: GPL-3.0-or-later
#include "derivation_task.h"

#include "derivation_search.h"
#include "formula_messages.h"
#include "formula_printer.h"
#include "law_catalogue.h"
#include "law_names.h"
#include "minimal_forms.h"

namespace {

QString printedText(const formulas::Tree &tree) { return QString::fromStdString(formulas::printed(tree)); }

// What simplify() derives a formula into: its minimal sum of products, or
// its constant where it has no letters.
formulas::Tree minimalFormOf(const formulas::Tree &formula) {
    const std::vector<char> letters = derivations::lettersOf(formula, nullptr);
    if (letters.empty() || letters.size() > std::size_t(derivations::maxMinimalFormVariables))
        return formulas::constant(derivations::truthOf(formula, {})[0] & 1);
    return derivations::minimalSumOfProducts(formula);
}

} // namespace

DerivationTask DerivationTasks::ofLaw(int row) {
    const std::string_view formula = catalogue::lawCatalogue[std::size_t(row)].formula;
    auto read = ofFormula(QString::fromUtf8(formula.data(), qsizetype(formula.size())));
    // Every formula of the catalogue reads, with both sides.
    DerivationTask task = std::get<DerivationTask>(std::move(read));
    task.subject = QStringLiteral("%1. %2").arg(row + 1).arg(law_names::heading(row));
    return task;
}

std::variant<DerivationTask, QString> DerivationTasks::ofFormula(const QString &text) {
    auto read = formulas::readTree(text.toStdU32String());
    if (auto *error = std::get_if<formulas::ReadError>(&read))
        return formulaErrorText(*error);
    const formulas::Equation &equation = std::get<formulas::Equation>(read);
    DerivationTask task;
    task.start = equation.left;
    if (equation.right) {
        task.goal = equation.right;
        task.goalText = printedText(equation.right);
    } else {
        task.goal = minimalFormOf(equation.left);
        task.goalText = tr("минимална форма");
    }
    task.subject = QString::fromStdString(formulas::printed(equation));
    return task;
}

std::variant<formulas::Tree, QString> DerivationTasks::readStep(const QString &text) {
    QString step = text;
    const qsizetype lead = step.indexOf(QLatin1Char('='));
    const bool leadingEquals = lead >= 0 && step.left(lead).trimmed().isEmpty();
    if (leadingEquals)
        step[lead] = QLatin1Char(' '); // the positions of the reader's messages stay those of the text
    auto read = formulas::readTree(step.toStdU32String());
    if (auto *error = std::get_if<formulas::ReadError>(&read))
        return formulaErrorText(*error);
    const formulas::Equation &equation = std::get<formulas::Equation>(read);
    if (equation.right)
        return tr("Грешка на позиция %1: стъпката е една формула, без второ „=“")
            .arg(step.indexOf(QLatin1Char('=')) + 1);
    return equation.left;
}
