// SPDX-License-Identifier: GPL-3.0-or-later
#include "derivation_lines.h"

#include "formula_messages.h"
#include "printed_text.h"
#include "verdict_text.h"

namespace command_line {

namespace {

Answer oneLine(const QString &line) { return Answer{1, line + QLatin1Char('\n'), {}, std::nullopt}; }

} // namespace

std::variant<formulas::Equation, Answer> readFormula(const Request &request, const QString &text) {
    auto read = formulas::readTree(text.toStdU32String());
    if (const auto *error = std::get_if<formulas::ReadError>(&read))
        return request.refuse(CommandLine::tr("„%1“: %2"), {text, formulaErrorText(*error)});
    return std::get<formulas::Equation>(std::move(read));
}

Answer derivationAnswer(const derivations::DeriveResult &result) {
    using derivations::DeriveOutcome;
    if (result.outcome == DeriveOutcome::NotEquivalent) {
        derivations::StepVerdict verdict;
        verdict.kind = derivations::VerdictKind::Wrong;
        verdict.counterexample = result.counterexample;
        return oneLine(VerdictText::step(verdict));
    }
    if (result.outcome == DeriveOutcome::GaveUp)
        return oneLine(CommandLine::tr("в границите на търсенето не е намерено извеждане"));
    QString text = printedText(result.derivation.start) + QLatin1Char('\n');
    for (const derivations::DerivationStep &step : result.derivation.steps)
        text += QStringLiteral("= ") + printedText(step.formula) + VerdictText::lawMark(step.law) +
                QLatin1Char('\n');
    return Answer{0, text, {}, std::nullopt};
}

} // namespace command_line
