// SPDX-License-Identifier: GPL-3.0-or-later
#include "proof_sheet_html.h"

#include "sheet_texts.h"

#include "digit.h"

#include "formula.h"
#include "formula_messages.h"
#include "karnaugh_html.h"
#include "law_catalogue.h"
#include "law_names.h"
#include "shown_proof.h"

#include <string_view>
#include <variant>

namespace {

QString escaped(std::string_view text) { return QString::fromUtf8(text).toHtmlEscaped(); }

const catalogue::LawRow &lawAt(int row) { return catalogue::lawCatalogue.at(std::size_t(row)); }

QString headingName(int row) { return law_names::heading(row).toHtmlEscaped(); }

// Cell padding as an attribute: Qt's layout and browsers both read it alike,
// where Qt reads CSS padding in a unit of its own.
QString tableStart(bool bordered) {
    return bordered ? QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\" "
                                     "style=\"border-collapse: collapse\">\n")
                    : QStringLiteral("<table cellpadding=\"3\">\n");
}

QString truthTable(int row) {
    const std::string_view formula = lawAt(row).formula;
    const auto table = formulas::tabulate(QString::fromUtf8(formula).toStdU32String());
    if (const auto *error = std::get_if<formulas::ReadError>(&table))
        return QStringLiteral("<p>%1</p>\n").arg(formulaErrorText(*error).toHtmlEscaped());
    const auto &truth = std::get<formulas::TruthTable>(table);
    QString html = tableStart(true) + QStringLiteral("<tr>");
    for (char variable : truth.variables)
        html += QStringLiteral("<th>%1</th>").arg(QLatin1Char(variable));
    html += QStringLiteral("<th>%1</th><th>%2</th></tr>\n")
                .arg(ProofSheet::tr("Лява страна"), ProofSheet::tr("Дясна страна"));
    for (const formulas::TableRow &line : truth.rows) {
        html += QStringLiteral("<tr>");
        for (std::size_t column = 0; column < truth.variables.size(); ++column)
            html += QStringLiteral("<td align=\"center\">%1</td>").arg(digit(line.values[column]));
        html += QStringLiteral("<td align=\"center\">%1</td><td align=\"center\">%2</td></tr>\n")
                    .arg(digit(line.left), digit(line.right));
    }
    return html + QStringLiteral("</table>\n");
}

QString contents(const QList<int> &rows, const SheetStyle &style) {
    QString html = QStringLiteral("<h1>%1</h1>\n").arg(ProofSheet::tr("Булеви закони: доказателства")) +
                   tableStart(false);
    for (qsizetype i = 0; i < rows.size(); ++i) {
        const int row = rows[i];
        QString name = headingName(row);
        if (style.links)
            name = QStringLiteral("<a href=\"#law-%1\">%2</a>").arg(row + 1).arg(name);
        html += QStringLiteral("<tr><td align=\"right\">%1.</td><td>%2</td><td>%3</td>")
                    .arg(row + 1)
                    .arg(name, escaped(lawAt(row).formula));
        if (!style.pages.isEmpty())
            html += QStringLiteral("<td align=\"right\">%1</td>").arg(style.pages.value(i));
        html += QStringLiteral("</tr>\n");
    }
    return html + QStringLiteral("</table>\n");
}

QString lawSection(int row, bool newPage) {
    const QString pageBreak = newPage ? QStringLiteral(" style=\"page-break-before: always\"") : QString();
    QString html =
        QStringLiteral("<h2 id=\"law-%1\"%2>%1. %3</h2>\n").arg(row + 1).arg(pageBreak, headingName(row));
    html += QStringLiteral("<p>%1</p>\n").arg(ProofSheet::tr("Формула: %1").arg(escaped(lawAt(row).formula)));
    html += QStringLiteral("<h3>%1</h3>\n").arg(ProofSheet::tr("Таблица на истинност")) + truthTable(row);
    html += QStringLiteral("<h3>%1</h3>\n").arg(ProofSheet::tr("Карта на Карно")) +
            karnaughMapsHtml(QString::fromUtf8(lawAt(row).formula));
    html += QStringLiteral("<h3>%1</h3>\n").arg(ProofSheet::tr("Доказателства"));
    for (const shown_proof::Assignment &values : shown_proof::assignmentsOf(row)) {
        std::string proof = shown_proof::proofText(row, values, law_names::name(row).toStdString());
        // The last line end would show as an empty line in <pre>.
        if (!proof.empty() && proof.back() == '\n')
            proof.pop_back();
        html += QStringLiteral("<h4>%1</h4>\n<pre>%2</pre>\n")
                    .arg(escaped(shown_proof::captionOf(row, values)), escaped(proof));
    }
    return html;
}

} // namespace

QString proofSheetHtml(const QList<int> &rows, const SheetStyle &style) {
    QString html =
        QStringLiteral("<!DOCTYPE html>\n<html lang=\"bg\">\n<head>\n<meta charset=\"utf-8\">\n"
                       "<title>%3</title>\n<style>\n"
                       "body { font-family: %1; font-size: 12pt; }\n"
                       "pre { font-family: %2; font-size: 10pt; }\n"
                       "</style>\n</head>\n<body>\n")
            .arg(style.textFont, style.monospaceFont, ProofSheet::tr("Булеви закони: доказателства"));
    const bool withContents = rows.size() > 1;
    if (withContents)
        html += contents(rows, style);
    for (int row : rows)
        html += lawSection(row, withContents);
    return html + QStringLiteral("</body>\n</html>\n");
}
