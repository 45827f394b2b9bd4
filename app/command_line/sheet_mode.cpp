// SPDX-License-Identifier: GPL-3.0-or-later
// --sheet N|all --output FILE: a proof sheet written as PDF or HTML. The
// writing itself needs fonts and is left to the caller (Answer::sheet).

#include "mode.h"
#include "proof_sheet.h"
#include "shown_proof.h"

namespace command_line {

Mode sheetMode() {
    const QCommandLineOption sheet(
        QStringLiteral("sheet"),
        CommandLine::tr("Записва лист с формулата, таблицата на истинност и всички доказателства на закон N "
                        "или на всички закони (all).\n"
                        "Пример: boolean-laws --sheet all --output закони.pdf"),
        QStringLiteral("N|all"));
    const QCommandLineOption output(
        QStringLiteral("output"),
        CommandLine::tr("С --sheet: файлът на листа, PDF (A4) или HTML според окончанието .pdf или .html. "
                        "С --grade: таблицата с оценките, CSV.\n"
                        "Пример: boolean-laws --sheet 3 --output закон-3.html"),
        CommandLine::tr("ФАЙЛ"));
    return {
        sheet, {output}, [sheet, output](const Request &request) {
            if (!request.parser.isSet(output))
                return request.refuse(CommandLine::tr("„--sheet“ иска и „--output ФАЙЛ“ (.pdf или .html)"));
            const QString laws = request.parser.value(sheet);
            const QString path = request.parser.value(output);
            SheetRequest wanted{{}, path};
            if (laws == QStringLiteral("all")) {
                for (int row = 0; row < shown_proof::lawCount; ++row)
                    wanted.rows << row;
            } else if (const std::optional<int> row = rowOfLaw(laws)) {
                wanted.rows << *row;
            } else {
                return request.refuse(
                    CommandLine::tr("„--sheet“ иска номер на закон от 1 до 21 или „all“, а не „%1“"), {laws});
            }
            if (sheetFormatOf(path) == SheetFormat::Unknown)
                return request.refuse(CommandLine::tr("файлът „%1“ трябва да завършва на .pdf или .html"),
                                      {path});
            return Answer{0, {}, {}, wanted};
        }};
}

} // namespace command_line
