// SPDX-License-Identifier: GPL-3.0-or-later
// --simplify F: a chain of named steps from F to a minimal sum of products
// (the fewest literals) or a constant.

#include "derivation_lines.h"
#include "mode.h"

namespace command_line {

Mode simplifyMode() {
    const QCommandLineOption simplify(
        QStringLiteral("simplify"),
        CommandLine::tr("Опростява формулата F стъпка по стъпка до минимална ДНФ (с най-малко литерали) "
                        "или до 0 или 1, всяка стъпка с името на закона си.\n"
                        "Пример: boolean-laws --simplify 'A v A ^ B'"),
        QStringLiteral("F"));
    return {simplify, {}, [simplify](const Request &request) {
                const QString formula = request.parser.value(simplify);
                auto read = readFormula(request, formula);
                if (auto *refused = std::get_if<Answer>(&read))
                    return *refused;
                const auto &equation = std::get<formulas::Equation>(read);
                if (equation.right)
                    return request.refuse(
                        CommandLine::tr("„--simplify“ иска една формула без „=“, а не „%1“; за две "
                                        "формули вижте „--derive“"),
                        {formula});
                return derivationAnswer(derivations::simplify(equation.left));
            }};
}

} // namespace command_line
