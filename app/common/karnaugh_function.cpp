// SPDX-License-Identifier: GPL-3.0-or-later
#include "karnaugh_function.h"

#include "formula.h"
#include "formula_messages.h"

#include <QCoreApplication>

namespace {

class KarnaughTexts {
    Q_DECLARE_TR_FUNCTIONS(KarnaughTexts)

public:
    static QString tooFewOrMany(int variables) {
        return tr("Карта на Карно има само за формули с 2 до 4 променливи, а тази формула има %n.", nullptr,
                  variables);
    }
    static QString sumLine(const QString &form) { return tr("Минимална ДНФ: %1").arg(form); }
    static QString productLine(const QString &form) { return tr("Минимална КНФ: %1").arg(form); }
    static QString leftHeading() { return tr("Лява страна:"); }
    static QString rightHeading() { return tr("Дясна страна:"); }
    static QString match(bool same) { return same ? tr("Картите съвпадат") : tr("Картите се различават"); }
};

KarnaughSide sideOf(int variableCount, std::uint64_t truth) {
    return {truth, derivations::minimalSumsOfProducts(variableCount, truth),
            derivations::minimalProductsOfSums(variableCount, truth)};
}

void appendSide(QStringList &lines, const KarnaughFunction &function, const KarnaughSide &side) {
    for (const std::string &line : derivations::mapLines(function.layout, side.truth, function.letters))
        lines << QString::fromStdString(line);
    lines << KarnaughTexts::sumLine(QString::fromStdString(function.sumOfProducts(side)))
          << KarnaughTexts::productLine(QString::fromStdString(function.productOfSums(side)));
}

} // namespace

std::string KarnaughFunction::sumOfProducts(const KarnaughSide &side, std::size_t cover) const {
    if (side.sums.empty())
        return {};
    return derivations::formatSumOfProducts(layout.variableCount(), side.sums[cover % side.sums.size()],
                                            letters);
}

std::string KarnaughFunction::productOfSums(const KarnaughSide &side) const {
    if (side.products.empty())
        return {};
    return derivations::formatProductOfSums(layout.variableCount(), side.products.front(), letters);
}

std::string KarnaughFunction::termText(derivations::Term term) const {
    return derivations::formatSumOfProducts(layout.variableCount(), {term}, letters);
}

QString KarnaughProblem::text() const {
    return unreadable ? formulaErrorText(*unreadable) : KarnaughTexts::tooFewOrMany(variables);
}

std::variant<KarnaughFunction, QString> karnaughFunction(const QString &formula) {
    auto read = readKarnaugh(formula);
    if (const auto *problem = std::get_if<KarnaughProblem>(&read))
        return problem->text();
    return std::get<KarnaughFunction>(std::move(read));
}

std::variant<KarnaughFunction, KarnaughProblem> readKarnaugh(const QString &formula) {
    auto read = formulas::tabulate(formula.toStdU32String());
    if (const auto *error = std::get_if<formulas::ReadError>(&read))
        return KarnaughProblem{*error, 0};
    const formulas::TruthTable &table = std::get<formulas::TruthTable>(read);
    const int variables = int(table.variables.size());
    const auto layout = derivations::KarnaughLayout::forVariables(variables);
    if (!layout)
        return KarnaughProblem{std::nullopt, variables};

    std::uint64_t left = 0, right = 0;
    for (std::size_t row = 0; row < table.rows.size(); ++row) {
        left |= std::uint64_t(table.rows[row].left) << row;
        right |= std::uint64_t(table.rows[row].right) << row;
    }
    KarnaughFunction function{*layout, std::string(table.variables.begin(), table.variables.end()),
                              sideOf(variables, left), std::nullopt};
    if (table.hasEquals)
        function.right = sideOf(variables, right);
    return function;
}

QStringList karnaughReport(const KarnaughFunction &function) {
    QStringList lines;
    if (!function.right) {
        appendSide(lines, function, function.left);
        return lines;
    }
    lines << KarnaughTexts::leftHeading();
    appendSide(lines, function, function.left);
    lines << KarnaughTexts::rightHeading();
    appendSide(lines, function, *function.right);
    lines << KarnaughTexts::match(function.sidesMatch());
    return lines;
}
