// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Proof sheets written to a file or sent to a printer, for the command line
// and the window alike. They need fonts: a QGuiApplication must exist (the
// offscreen platform is enough).

#include <QList>
#include <QPageLayout>
#include <QString>

#include <optional>

class QPrinter;

// What a path's ending asks for: ".pdf" or ".html", in any case.
enum class SheetFormat { Pdf, Html, Unknown };
SheetFormat sheetFormatOf(const QString &path);

// A4 with the sheets' margins, for the PDF and the printer alike.
QPageLayout sheetPageLayout();

// Writes the laws of `rows` (row indexes, 0 for law 1) to path: a PDF (A4)
// where it ends in ".pdf", else one HTML page. The file is written whole or
// not at all; an existing one is replaced. On failure, a Bulgarian line that
// says why (without a line end).
std::optional<QString> writeProofSheet(const QList<int> &rows, const QString &path);

// The same sheet on a printer set up by the caller (a print dialog),
// honouring the page range chosen there. On failure (the printer or its
// output file cannot be written), a line that says so.
std::optional<QString> printProofSheet(QPrinter *printer, const QList<int> &rows);

// Any page of the program's own HTML laid out as the proof sheets are (A4,
// their margins, the window's font, page numbers below), written to a PDF
// or sent to a printer set up by the caller. On failure, a line that says so.
std::optional<QString> writeSheetPdf(const QString &html, const QString &title, const QString &path);
std::optional<QString> printSheet(QPrinter *printer, const QString &html);
