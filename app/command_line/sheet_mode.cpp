// SPDX-License-Identifier: GPL-3.0-or-later
// --sheet N|all --output FILE: a proof sheet written as PDF or HTML; --sheet
// ASSIGNMENT --output FILE [--key]: an assignment's worksheet or its answer
// key. The writing itself needs fonts and is left to the caller
// (Answer::sheet).

#include "homework_file.h"
#include "homework_messages.h"
#include "mode.h"
#include "proof_sheet.h"
#include "shown_proof.h"

#include <QFileInfo>

namespace command_line {

Mode sheetMode() {
    const QCommandLineOption sheet(
        QStringLiteral("sheet"),
        CommandLine::tr("Записва лист с формулата, таблицата на истинност и всички доказателства на закон N "
                        "или на всички закони (all).\n"
                        "Пример: boolean-laws --sheet all --output закони.pdf"),
        QStringLiteral("N|all"));
    const QCommandLineOption key(QStringLiteral("key"),
                                 CommandLine::tr("Само с --sheet ЗАДАНИЕ: листът с отговорите на задачите "
                                                 "вместо празния лист за решаване."));
    const QCommandLineOption output(
        QStringLiteral("output"),
        CommandLine::tr("С --sheet: файлът на листа, PDF (A4) или HTML според окончанието .pdf или .html. "
                        "С --grade: таблицата с оценките, CSV.\n"
                        "Пример: boolean-laws --sheet 3 --output закон-3.html"),
        CommandLine::tr("ФАЙЛ"));
    return {
        sheet, {output, key}, [sheet, output, key](const Request &request) {
            if (!request.parser.isSet(output))
                return request.refuse(CommandLine::tr("„--sheet“ иска и „--output ФАЙЛ“ (.pdf или .html)"));
            const QString laws = request.parser.value(sheet);
            const QString path = request.parser.value(output);
            SheetRequest wanted;
            wanted.path = path;
            if (laws == QStringLiteral("all")) {
                for (int row = 0; row < shown_proof::lawCount; ++row)
                    wanted.rows << row;
            } else if (const std::optional<int> row = rowOfLaw(laws)) {
                wanted.rows << *row;
            } else {
                // Neither a law's number nor "all": an assignment's file, if there is one.
                if (!QFileInfo::exists(laws))
                    return request.refuse(
                        CommandLine::tr("„--sheet“ иска номер на закон от 1 до 21 или „all“, а не „%1“"),
                        {laws});
                const auto bytes = homework_file::contentsOf(laws);
                if (const auto *failure = std::get_if<QString>(&bytes))
                    return request.refuse(QStringLiteral("%1"), {*failure});
                const QByteArray &text = std::get<QByteArray>(bytes);
                auto read =
                    homework::readAssignment(std::string_view(text.constData(), std::size_t(text.size())));
                if (const auto *error = std::get_if<homework::AssignmentError>(&read))
                    return request.refuse(CommandLine::tr("„%1“, %2"),
                                          {laws, HomeworkMessages::assignmentProblem(*error)});
                wanted.assignment = std::move(std::get<homework::Assignment>(read));
                wanted.key = request.parser.isSet(key);
            }
            if (request.parser.isSet(key) && !wanted.assignment)
                return request.refuse(CommandLine::tr("„--key“ се дава само с „--sheet ЗАДАНИЕ“"));
            if (sheetFormatOf(path) == SheetFormat::Unknown)
                return request.refuse(CommandLine::tr("файлът „%1“ трябва да завършва на .pdf или .html"),
                                      {path});
            return Answer{0, {}, {}, wanted};
        }};
}

} // namespace command_line
