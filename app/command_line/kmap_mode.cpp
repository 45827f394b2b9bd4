// SPDX-License-Identifier: GPL-3.0-or-later
// --kmap F: the Karnaugh map of a formula of 2 to 4 variables and its minimal
// forms, as lines of text; with "=", each side's map and whether they match.

#include "karnaugh_function.h"
#include "mode.h"

namespace command_line {

Mode kmapMode() {
    const QCommandLineOption kmap(
        QStringLiteral("kmap"),
        CommandLine::tr(
            "Отпечатва картата на Карно на формулата F (от 2 до 4 променливи) и минималните ѝ ДНФ "
            "и КНФ; за формула с „=“ – картите на двете страни и дали съвпадат.\n"
            "Пример: boolean-laws --kmap A^BvC^D"),
        QStringLiteral("F"));
    return {kmap, {}, [kmap](const Request &request) {
                const QString formula = request.parser.value(kmap);
                auto function = karnaughFunction(formula);
                if (const auto *why = std::get_if<QString>(&function))
                    return request.refuse(CommandLine::tr("„%1“: %2"), {formula, *why});
                return Answer{0,
                              karnaughReport(std::get<KarnaughFunction>(function)).join(QLatin1Char('\n')) +
                                  QLatin1Char('\n'),
                              {},
                              std::nullopt};
            }};
}

} // namespace command_line
