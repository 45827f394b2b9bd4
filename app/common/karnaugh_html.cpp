// SPDX-License-Identifier: GPL-3.0-or-later
#include "karnaugh_html.h"

#include "karnaugh_function.h"

#include <QCoreApplication>

namespace {

class KarnaughSheet {
    Q_DECLARE_TR_FUNCTIONS(KarnaughSheet)

public:
    static QString left() { return tr("Лява страна"); }
    static QString right() { return tr("Дясна страна"); }
    static QString value() { return tr("Стойност"); }
    static QString sum(const QString &form) { return tr("Минимална ДНФ: %1").arg(form); }
    static QString product(const QString &form) { return tr("Минимална КНФ: %1").arg(form); }
    static QString match(bool same) { return same ? tr("Картите съвпадат") : tr("Картите се различават"); }
};

QString text(const std::string &text) { return QString::fromStdString(text).toHtmlEscaped(); }

QString map(const KarnaughFunction &function, const KarnaughSide &side, const QString &caption) {
    const derivations::KarnaughLayout &layout = function.layout;
    // Cell padding as an attribute: Qt's layout and browsers both read it alike.
    QString html = QStringLiteral("<p>%1</p>\n<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\" "
                                  "style=\"border-collapse: collapse\">\n<tr><th>%2</th>")
                       .arg(caption.toHtmlEscaped(), text(layout.cornerLabel(function.letters)));
    for (int column = 0; column < layout.columns(); ++column)
        html += QStringLiteral("<th>%1</th>").arg(text(layout.columnLabel(column)));
    html += QStringLiteral("</tr>\n");
    for (int row = 0; row < layout.rows(); ++row) {
        html += QStringLiteral("<tr><th>%1</th>").arg(text(layout.rowLabel(row)));
        for (int column = 0; column < layout.columns(); ++column) {
            const bool one = (side.truth >> layout.truthRow({row, column})) & 1;
            html += QStringLiteral("<td align=\"center\">%1</td>").arg(QLatin1Char(one ? '1' : '0'));
        }
        html += QStringLiteral("</tr>\n");
    }
    return html + QStringLiteral("</table>\n");
}

} // namespace

QString karnaughMapsHtml(const QString &formula) {
    auto read = karnaughFunction(formula);
    if (const auto *why = std::get_if<QString>(&read))
        return QStringLiteral("<p>%1</p>\n").arg(why->toHtmlEscaped());
    const KarnaughFunction &function = std::get<KarnaughFunction>(read);
    QString html = QStringLiteral("<table cellpadding=\"3\">\n<tr><td valign=\"top\">\n");
    html += map(function, function.left, function.right ? KarnaughSheet::left() : KarnaughSheet::value());
    if (function.right)
        html += QStringLiteral("</td><td valign=\"top\">\n") +
                map(function, *function.right, KarnaughSheet::right());
    html += QStringLiteral("</td></tr>\n</table>\n");
    html += QStringLiteral("<p>%1<br>\n%2</p>\n")
                .arg(KarnaughSheet::sum(text(function.sumOfProducts(function.left))),
                     KarnaughSheet::product(text(function.productOfSums(function.left))));
    if (function.right)
        html += QStringLiteral("<p>%1</p>\n").arg(KarnaughSheet::match(function.sidesMatch()));
    return html;
}
