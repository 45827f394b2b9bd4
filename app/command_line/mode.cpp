// SPDX-License-Identifier: GPL-3.0-or-later
#include "mode.h"

#include "shown_proof.h"

#include <cctype>
#include <charconv>

namespace command_line {

QString printable(QString text) {
    for (QChar &c : text)
        if (!c.isPrint())
            c = QLatin1Char('?');
    return text;
}

Answer Request::refuse(const QString &pattern, const QStringList &named) const {
    // One pass, so that a "%2" typed in an argument is shown as typed.
    QString line = printable(arguments.constFirst()) + QStringLiteral(": ");
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == QLatin1Char('%') && i + 1 < pattern.size() && pattern[i + 1].isDigit())
            line += printable(named.value(pattern[++i].digitValue() - 1));
        else
            line += pattern[i];
    }
    return Answer{2, {}, line + QLatin1Char('\n'), std::nullopt};
}

QString dashed(const QCommandLineOption &option) { return QStringLiteral("--") + option.names().constLast(); }

std::optional<int> rowOfLaw(const QString &text) {
    const QByteArray digits = text.toLatin1();
    if (text.isEmpty() || text.size() > 9 || digits.contains('?'))
        return std::nullopt;
    int number = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
    if (error != std::errc() || end != digits.data() + digits.size() || !std::isdigit(digits.front()) ||
        number < 1 || number > shown_proof::lawCount)
        return std::nullopt;
    return number - 1;
}

} // namespace command_line
