// SPDX-License-Identifier: GPL-3.0-or-later
// --derive "F = G" or --derive N: a chain of named steps from F to G, or
// from a law's left side to its right side by the fourteen basic laws.

#include "derivation_lines.h"
#include "mode.h"

#include <algorithm>

namespace command_line {

namespace {

bool isNumber(const QString &text) {
    return !text.isEmpty() && std::all_of(text.cbegin(), text.cend(), [](QChar c) {
        return c >= QLatin1Char('0') && c <= QLatin1Char('9');
    });
}

} // namespace

Mode deriveMode() {
    const QCommandLineOption derive(
        QStringLiteral("derive"),
        CommandLine::tr(
            "Извежда G от F стъпка по стъпка, всяка стъпка с името на закона си; с номер N (от 1 "
            "до 21) – дясната страна на закон N от лявата само с четиринадесетте основни закона.\n"
            "Пример: boolean-laws --derive 'A v A ^ B = A'\n"
            "Пример: boolean-laws --derive 3"),
        QStringLiteral("F = G|N"));
    return {derive, {}, [derive](const Request &request) {
                const QString wanted = request.parser.value(derive);
                // "1" is a law's number here, never the constant.
                if (isNumber(wanted)) {
                    const std::optional<int> row = rowOfLaw(wanted);
                    if (!row)
                        return request.refuse(CommandLine::tr("няма закон „%1“: номерът е от 1 до 21"),
                                              {wanted});
                    return derivationAnswer(derivations::deriveCatalogueRow(*row + 1));
                }
                auto read = readFormula(request, wanted);
                if (auto *refused = std::get_if<Answer>(&read))
                    return *refused;
                const auto &equation = std::get<formulas::Equation>(read);
                if (!equation.right)
                    return request.refuse(
                        CommandLine::tr("„--derive“ иска две формули с „=“ между тях (F = G) или номер "
                                        "на закон от 1 до 21, а не „%1“"),
                        {wanted});
                return derivationAnswer(derivations::derive(equation.left, equation.right));
            }};
}

} // namespace command_line
