// SPDX-License-Identifier: GPL-3.0-or-later
// --check FILE: a student's chain, one formula a line, each step's verdict
// on the line of its later formula, then how many steps keep the value.

#include "mode.h"

#include "chain_check.h"
#include "formula_messages.h"
#include "law_aliases.h"
#include "verdict_text.h"

#include <QFile>
#include <QFileInfo>

#include <cstdio>

namespace command_line {

namespace {

// The file's bytes, or why they cannot be had.
std::variant<QByteArray, QString> contentsOf(const QString &path) {
    QFile file;
    const bool opened = path == QStringLiteral("-")
                            ? file.open(stdin, QIODevice::ReadOnly)
                            : (file.setFileName(path), file.open(QIODevice::ReadOnly));
    if (!opened && !QFileInfo::exists(path))
        return CommandLine::tr("няма файл „%1“").arg(path);
    if (!opened && QFileInfo(path).isDir())
        return CommandLine::tr("„%1“ е папка, а не файл").arg(path);
    QByteArray bytes = opened ? file.readAll() : QByteArray();
    if (!opened || file.error() != QFileDevice::NoError)
        return CommandLine::tr("файлът „%1“ не може да се прочете: %2").arg(path, file.errorString());
    // Editors on some systems open a UTF-8 file with a byte-order mark.
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes.remove(0, 3);
    return bytes;
}

} // namespace

Mode checkMode() {
    const QCommandLineOption check(
        QStringLiteral("check"),
        CommandLine::tr(
            "Проверява извеждане от файла ФАЙЛ (или от стандартния вход при „-“): по една формула "
            "на ред, по желание със закона в скоби накрая („  [Закон на де Морган]“); празните "
            "редове и редовете с # се прескачат. За всяка стъпка отпечатва номера на реда и "
            "присъдата, накрая „Верни стъпки: N от M“.\n"
            "Пример: boolean-laws --check домашно.txt"),
        CommandLine::tr("ФАЙЛ"));
    return {check, {}, [check](const Request &request) {
                const QString path = request.parser.value(check);
                const auto contents = contentsOf(path);
                if (const auto *failure = std::get_if<QString>(&contents))
                    return request.refuse(QStringLiteral("%1"), {*failure});
                const auto checked = derivations::checkChain(
                    QString::fromUtf8(std::get<QByteArray>(contents)).toStdU32String(), law_aliases::all());
                if (const auto *error = std::get_if<derivations::ChainError>(&checked))
                    return request.refuse(
                        CommandLine::tr("„%1“, ред %2: %3"),
                        {path, QString::number(error->line), formulaErrorText(error->error)});
                const auto &report = std::get<derivations::ChainReport>(checked);
                QString out;
                for (const derivations::CheckedStep &step : report.steps)
                    out += QStringLiteral("%1: %2\n").arg(step.line).arg(VerdictText::step(step.verdict));
                out += CommandLine::tr("Верни стъпки: %1 от %2")
                           .arg(report.equivalentSteps)
                           .arg(report.steps.size()) +
                       QLatin1Char('\n');
                return Answer{report.equivalentSteps == report.steps.size() ? 0 : 1, out, {}, std::nullopt};
            }};
}

} // namespace command_line
