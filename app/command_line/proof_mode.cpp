// SPDX-License-Identifier: GPL-3.0-or-later
// --proof N [--values DIGITS]: the proofs of a law as the result box shows
// them, for every assignment in counting order or for the one given.

#include "law_names.h"
#include "mode.h"
#include "shown_proof.h"

namespace command_line {

namespace {

std::optional<shown_proof::Assignment> assignmentOf(int row, const QString &digits) {
    if (digits.size() != shown_proof::variableCount(row))
        return std::nullopt;
    shown_proof::Assignment values{};
    for (qsizetype i = 0; i < digits.size(); ++i) {
        if (digits[i] != QLatin1Char('0') && digits[i] != QLatin1Char('1'))
            return std::nullopt;
        values[std::size_t(i)] = digits[i] == QLatin1Char('1') ? 1 : 0;
    }
    return values;
}

QString proofsOf(int row, const std::optional<shown_proof::Assignment> &only) {
    // The header names the law in the user's language.
    const std::string name = law_names::name(row).toStdString();
    if (only)
        return QString::fromStdString(shown_proof::proofText(row, *only, name));
    QString text;
    for (const shown_proof::Assignment &values : shown_proof::assignmentsOf(row)) {
        if (!text.isEmpty())
            text += QLatin1Char('\n'); // one empty line between two proofs
        text += QString::fromStdString(shown_proof::proofText(row, values, name));
    }
    return text;
}

} // namespace

Mode proofMode() {
    const QCommandLineOption proof(
        QStringLiteral("proof"),
        CommandLine::tr("Отпечатва доказателството на закон N (от 1 до 21), както го показва прозорецът, за "
                        "всички стойности на A, B (и C) подред.\n"
                        "Пример: boolean-laws --proof 7"),
        QStringLiteral("N"));
    const QCommandLineOption values(
        QStringLiteral("values"),
        CommandLine::tr("С --proof: само за тези стойности на A, B (и C), по една цифра 0 или 1 за всяка "
                        "променлива на закона.\n"
                        "Пример: boolean-laws --proof 7 --values 101"),
        CommandLine::tr("ЦИФРИ"));
    return {proof, {values}, [proof, values](const Request &request) {
                const QString law = request.parser.value(proof);
                const std::optional<int> row = rowOfLaw(law);
                if (!row)
                    return request.refuse(CommandLine::tr("няма закон „%1“: номерът е от 1 до 21"), {law});
                std::optional<shown_proof::Assignment> only;
                if (request.parser.isSet(values)) {
                    const QString digits = request.parser.value(values);
                    only = assignmentOf(*row, digits);
                    if (!only) {
                        const int count = shown_proof::variableCount(*row);
                        return request.refuse(
                            CommandLine::tr("закон %1 иска %2 цифри 0 или 1 (за %3), а не „%4“"),
                            {QString::number(*row + 1), QString::number(count),
                             count == 2 ? CommandLine::tr("A и B") : CommandLine::tr("A, B и C"), digits});
                    }
                }
                return Answer{0, proofsOf(*row, only), {}, std::nullopt};
            }};
}

} // namespace command_line
