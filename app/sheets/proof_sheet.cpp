// SPDX-License-Identifier: GPL-3.0-or-later
#include "proof_sheet.h"
#include "sheet_texts.h"

#include "proof_sheet_html.h"
#include "window_font.h"

#include <QAbstractTextDocumentLayout>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QSaveFile>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <cmath>
#include <memory>

namespace {

// Proofs line up in columns only in a monospace font, and theirs must carry
// the Bulgarian headers too.
QString monospaceFamily() {
    for (const QString &family : {QStringLiteral("Liberation Mono"), QStringLiteral("DejaVu Sans Mono")})
        if (QFontDatabase::hasFamily(family) &&
            QFontDatabase::writingSystems(family).contains(QFontDatabase::Cyrillic))
            return family;
    return QFontDatabase::systemFont(QFontDatabase::FixedFont).family();
}

QString quoted(const QString &family) { return QLatin1Char('\'') + family + QLatin1Char('\''); }

// A browser picks the first font it has; Qt is given the very font it found.
SheetStyle browserStyle() {
    return {QStringLiteral("\"Times New Roman\", \"Liberation Serif\", serif"),
            QStringLiteral("\"Liberation Mono\", \"DejaVu Sans Mono\", monospace"),
            true,
            {}};
}

SheetStyle printStyle(const QList<int> &pages) {
    return {quoted(windowFont().family()), quoted(monospaceFamily()), false, pages};
}

QFont footerFont() {
    QFont font = windowFont();
    font.setPointSize(10);
    return font;
}

// A page as the device gives it (its margins already taken off), with the
// footer's line kept free at the bottom.
struct PageFrame {
    qreal width = 0;
    qreal bodyHeight = 0;
    qreal height = 0;
};

PageFrame frameOf(QPaintDevice &device) {
    const qreal footer = device.logicalDpiY() * 0.8 / 2.54; // 8 mm
    return {qreal(device.width()), qreal(device.height()) - footer, qreal(device.height())};
}

int pageOf(qreal y, qreal bodyHeight) { return int(std::floor(y / bodyHeight)) + 1; }

// Qt's layout breaks a block across pages where the page ends; a proof
// (its caption, an <h4>, and its lines) is moved whole to the next page
// instead, with the "Доказателства" heading just above it, if any.
void keepProofsWhole(QTextDocument &document, qreal bodyHeight) {
    QAbstractTextDocumentLayout &layout = *document.documentLayout();
    QTextBlock previous;
    for (QTextBlock caption = document.begin(); caption.isValid();
         previous = caption, caption = caption.next()) {
        if (caption.blockFormat().headingLevel() != 4)
            continue;
        QTextBlock last = caption;
        while (last.next().isValid() && last.next().blockFormat().headingLevel() == 0)
            last = last.next();
        const QTextBlock first =
            previous.isValid() && previous.blockFormat().headingLevel() == 3 ? previous : caption;
        const qreal top = layout.blockBoundingRect(first).top();
        const qreal bottom = layout.blockBoundingRect(last).bottom();
        if (pageOf(top + 1, bodyHeight) == pageOf(bottom - 1, bodyHeight) || bottom - top > bodyHeight)
            continue;
        QTextBlockFormat format = first.blockFormat();
        format.setPageBreakPolicy(format.pageBreakPolicy() | QTextFormat::PageBreak_AlwaysBefore);
        QTextCursor(first).setBlockFormat(format);
        // Qt's incremental layout then leaves later blocks unlaid, and
        // they would not be drawn: everything after the break is laid
        // out anew.
        document.markContentsDirty(first.position(), document.characterCount() - first.position());
    }
}

std::unique_ptr<QTextDocument> laidOutHtml(const QString &html, QPaintDevice &device,
                                           const PageFrame &frame) {
    auto document = std::make_unique<QTextDocument>();
    document->documentLayout()->setPaintDevice(&device);
    document->setDefaultFont(windowFont());
    // Formulas in the font the proofs use, found the same way everywhere:
    // left to the system, a Windows without Courier New falls back to a serif.
    document->setDefaultStyleSheet(
        QStringLiteral("pre, code, tt { font-family: %1; }").arg(quoted(monospaceFamily())));
    document->setDocumentMargin(0);
    document->setPageSize(QSizeF(frame.width, frame.bodyHeight));
    document->setHtml(html);
    return document;
}

std::unique_ptr<QTextDocument> laidOut(const QList<int> &rows, const QList<int> &pages, QPaintDevice &device,
                                       const PageFrame &frame) {
    auto document = laidOutHtml(proofSheetHtml(rows, printStyle(pages)), device, frame);
    keepProofsWhole(*document, frame.bodyHeight);
    return document;
}

// The page each law's heading is on, counted from 1.
QList<int> lawPages(const QTextDocument &document, qreal bodyHeight) {
    QList<int> pages;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        if (block.blockFormat().headingLevel() == 2) {
            const qreal top = document.documentLayout()->blockBoundingRect(block).top();
            pages << pageOf(top + 1, bodyHeight);
        }
    return pages;
}

// The document for the device, its contents naming the page each law starts
// on. The contents take the same room whatever the numbers, so the first
// layout tells where the laws land.
std::unique_ptr<QTextDocument> sheetFor(const QList<int> &rows, QPaintDevice &device,
                                        const PageFrame &frame) {
    if (rows.size() <= 1)
        return laidOut(rows, {}, device, frame);
    const QList<int> placeholders(rows.size(), 0);
    const auto draft = laidOut(rows, placeholders, device, frame);
    return laidOut(rows, lawPages(*draft, frame.bodyHeight), device, frame);
}

// False when the device cannot be painted on (an unwritable output file, a
// printer that refuses the job).
bool paintPages(QTextDocument &document, QPagedPaintDevice &device, const PageFrame &frame, int first,
                int last) {
    const int pageCount = document.pageCount();
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    for (int page = first; page <= last; ++page) {
        if (page > first)
            device.newPage();
        const QRectF body(0, (page - 1) * frame.bodyHeight, frame.width, frame.bodyHeight);
        painter.save();
        painter.translate(0, -body.top());
        painter.setClipRect(body);
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = body;
        context.palette.setColor(QPalette::Text, Qt::black);
        document.documentLayout()->draw(&painter, context);
        painter.restore();

        painter.setFont(footerFont());
        painter.setPen(Qt::black);
        painter.drawText(QRectF(0, frame.bodyHeight, frame.width, frame.height - frame.bodyHeight),
                         Qt::AlignHCenter | Qt::AlignBottom,
                         ProofSheet::tr("стр. %1 от %2").arg(page).arg(pageCount));
    }
    return painter.end();
}

QString failure(const QString &path, const QString &systemReason) {
    const QFileInfo info(path);
    QString reason = systemReason;
    if (info.isDir())
        reason = ProofSheet::tr("там има папка със същото име");
    else if (!info.absoluteDir().exists())
        reason =
            ProofSheet::tr("папката „%1“ не съществува").arg(QDir::toNativeSeparators(info.absolutePath()));
    return ProofSheet::tr("листът не е записан в „%1“: %2").arg(path, reason);
}

// The document is made for the writer, whose page it is laid out on.
template <class MakeDocument>
bool writePdf(QIODevice &file, const QString &title, MakeDocument makeDocument) {
    QPdfWriter writer(&file);
    writer.setPageLayout(sheetPageLayout());
    writer.setTitle(title);
    writer.setCreator(QCoreApplication::applicationName() + QLatin1Char(' ') +
                      QCoreApplication::applicationVersion());
    const PageFrame frame = frameOf(writer);
    const auto document = makeDocument(writer, frame);
    return paintPages(*document, writer, frame, 1, document->pageCount());
}

bool writePdf(const QList<int> &rows, QIODevice &file) {
    return writePdf(
        file, ProofSheet::tr("Булеви закони: доказателства"),
        [&rows](QPaintDevice &device, const PageFrame &frame) { return sheetFor(rows, device, frame); });
}

// Pages first to last of the document on the printer, within the range chosen in its dialog.
std::optional<QString> printPages(QPrinter *printer, QTextDocument &document, const PageFrame &frame) {
    int first = 1;
    int last = document.pageCount();
    if (printer->printRange() == QPrinter::PageRange && printer->fromPage() > 0) {
        first = std::max(first, printer->fromPage());
        last = std::min(last, printer->toPage());
    }
    if (first > last || paintPages(document, *printer, frame, first, last))
        return std::nullopt;
    const QString file = printer->outputFileName();
    if (!file.isEmpty())
        return failure(file, ProofSheet::tr("файлът не може да се запише"));
    return ProofSheet::tr("листът не е отпечатан на „%1“").arg(printer->printerName());
}

} // namespace

SheetFormat sheetFormatOf(const QString &path) {
    if (path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
        return SheetFormat::Pdf;
    if (path.endsWith(QStringLiteral(".html"), Qt::CaseInsensitive))
        return SheetFormat::Html;
    return SheetFormat::Unknown;
}

QPageLayout sheetPageLayout() {
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(18, 15, 18, 12),
                       QPageLayout::Millimeter);
}

std::optional<QString> writeProofSheet(const QList<int> &rows, const QString &path) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return failure(path, file.errorString());
    if (sheetFormatOf(path) == SheetFormat::Pdf) {
        if (!writePdf(rows, file)) {
            file.cancelWriting();
            return failure(path, file.errorString());
        }
    } else {
        file.write(proofSheetHtml(rows, browserStyle()).toUtf8());
    }
    if (!file.commit())
        return failure(path, file.errorString());
    return std::nullopt;
}

std::optional<QString> printProofSheet(QPrinter *printer, const QList<int> &rows) {
    const PageFrame frame = frameOf(*printer);
    const auto document = sheetFor(rows, *printer, frame);
    return printPages(printer, *document, frame);
}

std::optional<QString> writeSheetPdf(const QString &html, const QString &title, const QString &path) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return failure(path, file.errorString());
    const bool painted = writePdf(file, title, [&html](QPaintDevice &device, const PageFrame &frame) {
        return laidOutHtml(html, device, frame);
    });
    if (!painted) {
        file.cancelWriting();
        return failure(path, file.errorString());
    }
    if (!file.commit())
        return failure(path, file.errorString());
    return std::nullopt;
}

std::optional<QString> printSheet(QPrinter *printer, const QString &html) {
    const PageFrame frame = frameOf(*printer);
    const auto document = laidOutHtml(html, *printer, frame);
    return printPages(printer, *document, frame);
}
