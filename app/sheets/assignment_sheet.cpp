// SPDX-License-Identifier: GPL-3.0-or-later
#include "assignment_sheet.h"

#include "proof_sheet.h"
#include "sheet_texts.h"

#include "digit.h"
#include "verdict_text.h"

#include "formula_printer.h"
#include "karnaugh.h"
#include "minimal_forms.h"
#include "step_answer.h"
#include "working_form.h"

#include <QFileInfo>
#include <QSaveFile>

namespace {

using homework::TaskKind;

QString shown(const formulas::Tree &tree) { return QString::fromStdString(formulas::printed(tree)); }

QString escaped(const QString &text) { return text.toHtmlEscaped(); }

QString tableStart() {
    return QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\" "
                          "style=\"border-collapse: collapse\">\n");
}

QString statementOf(const homework::Task &task) {
    const exercises::Exercise &exercise = task.exercise;
    switch (task.kind) {
    case TaskKind::Law:
        return shown(exercise.formula) + QStringLiteral(" \u2192 ") + shown(exercise.goal);
    case TaskKind::Prove:
    case TaskKind::Table:
        if (exercise.goal)
            return shown(exercise.formula) + QStringLiteral(" = ") + shown(exercise.goal);
        break;
    case TaskKind::Simplify:
    case TaskKind::Map:
        break;
    }
    return shown(exercise.formula);
}

// The program's chain, one formula a line, each after the first with its law.
QString chainHtml(const derivations::Derivation &derivation) {
    QString text = shown(derivation.start);
    for (const derivations::DerivationStep &step : derivation.steps)
        text += QStringLiteral("\n= ") + shown(step.formula) + VerdictText::lawMark(step.law);
    return QStringLiteral("<pre>%1</pre>\n").arg(escaped(text));
}

// Lines to write a proof on.
QString roomToWrite(int lines) {
    QString html = QStringLiteral("<table width=\"100%\" cellpadding=\"6\">\n");
    for (int i = 0; i < lines; ++i)
        html += QStringLiteral("<tr><td style=\"border-bottom: 1px solid gray\">&nbsp;</td></tr>\n");
    return html + QStringLiteral("</table>\n");
}

QString truthTableHtml(const exercises::Exercise &exercise, bool key) {
    const std::size_t count = exercise.letters.size();
    QString html = tableStart() + QStringLiteral("<tr>");
    for (const char letter : exercise.letters)
        html += QStringLiteral("<th>%1</th>").arg(QLatin1Char(letter));
    html += QStringLiteral("<th>%1</th>").arg(escaped(shown(exercise.formula)));
    std::uint64_t right = 0;
    if (exercise.goal) {
        html += QStringLiteral("<th>%1</th>").arg(escaped(shown(exercise.goal)));
        right = derivations::truthOf(exercise.goal, exercise.letters).front();
    }
    html += QStringLiteral("</tr>\n");
    for (std::uint64_t row = 0; row < (std::uint64_t(1) << count); ++row) {
        html += QStringLiteral("<tr>");
        for (std::size_t v = 0; v < count; ++v)
            html += QStringLiteral("<td align=\"center\">%1</td>").arg(digit((row >> (count - 1 - v)) & 1));
        const auto cell = [&](std::uint64_t truth) {
            return QStringLiteral("<td align=\"center\">%1</td>")
                .arg(key ? digit((truth >> row) & 1) : QStringLiteral("&nbsp;&nbsp;&nbsp;"));
        };
        html += cell(exercise.truth);
        if (exercise.goal)
            html += cell(right);
        html += QStringLiteral("</tr>\n");
    }
    return html + QStringLiteral("</table>\n");
}

// The map in Gray order; the key shows each cell's value and the numbers of
// the groups holding it, the groups listed below.
QString mapHtml(const exercises::Exercise &exercise, bool key) {
    const auto layout = derivations::KarnaughLayout::forVariables(int(exercise.letters.size()));
    if (!layout)
        return {};
    const std::string names(exercise.letters.begin(), exercise.letters.end());
    QString html =
        tableStart() +
        QStringLiteral("<tr><th>%1</th>").arg(escaped(QString::fromStdString(layout->cornerLabel(names))));
    for (int column = 0; column < layout->columns(); ++column)
        html += QStringLiteral("<th>%1</th>").arg(QString::fromStdString(layout->columnLabel(column)));
    html += QStringLiteral("</tr>\n");
    for (int row = 0; row < layout->rows(); ++row) {
        html += QStringLiteral("<tr><th>%1</th>").arg(QString::fromStdString(layout->rowLabel(row)));
        for (int column = 0; column < layout->columns(); ++column) {
            const int truthRow = layout->truthRow({row, column});
            QString cell = QStringLiteral("&nbsp;&nbsp;&nbsp;");
            if (key) {
                cell = digit((exercise.truth >> truthRow) & 1);
                QStringList groups;
                for (std::size_t g = 0; g < exercise.minimalCover.size(); ++g)
                    if ((derivations::rowsOf(layout->variableCount(), exercise.minimalCover[g]) >> truthRow) &
                        1)
                        groups << QString::number(g + 1);
                if (!groups.isEmpty())
                    cell += QStringLiteral(" <small>(%1)</small>").arg(groups.join(QStringLiteral(", ")));
            }
            html += QStringLiteral("<td align=\"center\">%1</td>").arg(cell);
        }
        html += QStringLiteral("</tr>\n");
    }
    html += QStringLiteral("</table>\n");
    if (key) {
        html += QStringLiteral("<ol>\n");
        for (const derivations::Term &term : exercise.minimalCover)
            html += QStringLiteral("<li>%1</li>\n")
                        .arg(escaped(QString::fromStdString(
                            derivations::formatSumOfProducts(layout->variableCount(), {term}, names))));
        html += QStringLiteral("</ol>\n");
    }
    return html;
}

QString minimalForm(const exercises::Exercise &exercise) {
    const std::string names(exercise.letters.begin(), exercise.letters.end());
    return QString::fromStdString(
        derivations::formatSumOfProducts(int(names.size()), exercise.minimalCover, names));
}

QString taskHtml(const homework::Task &task, int number, bool key) {
    const exercises::Exercise &exercise = task.exercise;
    QString html =
        QStringLiteral("<h2>%1</h2>\n<p><b>%2:</b> <code>%3</code></p>\n")
            .arg(ProofSheet::tr("Задача %1").arg(number),
                 escaped(QCoreApplication::translate("exercises", exercises::kindName(exercise.kind))),
                 escaped(statementOf(task)));
    switch (task.kind) {
    case TaskKind::Prove:
        html += key ? chainHtml(exercise.derivation) : roomToWrite(10);
        break;
    case TaskKind::Simplify:
        html += key ? QStringLiteral("<p>%1</p>\n")
                              .arg(escaped(ProofSheet::tr("Минимална ДНФ: %1").arg(minimalForm(exercise)))) +
                          chainHtml(exercise.derivation)
                    : roomToWrite(10);
        break;
    case TaskKind::Table:
        html += truthTableHtml(exercise, key);
        break;
    case TaskKind::Map:
        html += mapHtml(exercise, key);
        if (key)
            html += QStringLiteral("<p>%1</p>\n")
                        .arg(escaped(ProofSheet::tr("Минимална ДНФ: %1").arg(minimalForm(exercise))));
        break;
    case TaskKind::Law:
        html += key ? QStringLiteral("<p>%1</p>\n")
                          .arg(escaped(ProofSheet::tr("Законът: %1")
                                           .arg(QCoreApplication::translate(
                                               "derivations", exercises::stepChoiceName(exercise.step)))))
                    : QStringLiteral("<p>%1 ______________________________</p>\n")
                          .arg(escaped(ProofSheet::tr("Законът:")));
        break;
    }
    return html;
}

QString failure(const QString &path, const QString &reason) {
    return ProofSheet::tr("листът не е записан в „%1“: %2").arg(path, reason);
}

} // namespace

QString assignmentSheetHtml(const homework::Assignment &assignment, bool key) {
    const QString title = escaped(QString::fromStdString(assignment.title));
    QString html = QStringLiteral("<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\">\n"
                                  "<title>%1</title>\n</head>\n<body>\n<h1>%1</h1>\n")
                       .arg(title);
    if (key)
        html += QStringLiteral("<p><i>%1</i></p>\n").arg(escaped(ProofSheet::tr("Отговори")));
    for (std::size_t i = 0; i < assignment.tasks.size(); ++i)
        html += taskHtml(assignment.tasks[i], int(i) + 1, key);
    return html + QStringLiteral("</body>\n</html>\n");
}

std::optional<QString> writeAssignmentSheet(const homework::Assignment &assignment, bool key,
                                            const QString &path) {
    const QString html = assignmentSheetHtml(assignment, key);
    if (sheetFormatOf(path) == SheetFormat::Pdf)
        return writeSheetPdf(html, QString::fromStdString(assignment.title), path);
    QSaveFile file(path);
    const QByteArray bytes = html.toUtf8();
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return failure(path, file.errorString());
    return std::nullopt;
}
