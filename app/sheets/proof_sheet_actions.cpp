// SPDX-License-Identifier: GPL-3.0-or-later
#include "proof_sheet_actions.h"

#include "law_names.h"
#include "law_selection.h"
#include "menu_item.h"
#include "proof_sheet.h"
#include "sheet_texts.h"
#include "shown_proof.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QStandardPaths>

#include <optional>

namespace {

QList<int> allRows() {
    QList<int> rows;
    for (int row = 0; row < shown_proof::lawCount; ++row)
        rows << row;
    return rows;
}

bool isLaw(int row) { return row >= 0 && row < shown_proof::lawCount; }

// The chosen law or all of them; nothing when the question is cancelled.
std::optional<QList<int>> chooseLaws(QWidget *parent, int selectedRow, const QString &title) {
    if (!isLaw(selectedRow))
        return allRows();
    const QStringList choices{
        ProofSheet::tr("Избраният закон (%1: %2)").arg(selectedRow + 1).arg(law_names::heading(selectedRow)),
        ProofSheet::tr("Всички %n закона", nullptr, shown_proof::lawCount)};
    bool accepted = false;
    const QString chosen = QInputDialog::getItem(parent, title, ProofSheet::tr("Кои закони да има листът:"),
                                                 choices, 0, false, &accepted);
    if (!accepted)
        return std::nullopt;
    return chosen == choices.constFirst() ? QList<int>{selectedRow} : allRows();
}

} // namespace

void saveProofSheetWithDialog(QWidget *parent, int selectedRow) {
    const QString title = ProofSheet::tr("Запази лист с доказателства");
    const std::optional<QList<int>> rows = chooseLaws(parent, selectedRow, title);
    if (!rows)
        return;
    const QString pdf = QStringLiteral("PDF (*.pdf)");
    const QString html = QStringLiteral("HTML (*.html)");
    const QString suggested = rows->size() == 1 ? ProofSheet::tr("закон-%1.pdf").arg(rows->constFirst() + 1)
                                                : ProofSheet::tr("закони.pdf");
    QFileDialog dialog(
        parent, title,
        QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)).filePath(suggested),
        pdf + QStringLiteral(";;") + html);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // A name typed without its ending gets the one of the chosen type.
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog, html](const QString &filter) {
        dialog.setDefaultSuffix(filter == html ? QStringLiteral("html") : QStringLiteral("pdf"));
    });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    QString path = dialog.selectedFiles().constFirst();
    // A name ending in another suffix (say "закон.txt") keeps the chosen type's.
    if (sheetFormatOf(path) == SheetFormat::Unknown)
        path += dialog.selectedNameFilter() == html ? QStringLiteral(".html") : QStringLiteral(".pdf");

    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const std::optional<QString> failure = writeProofSheet(*rows, path);
    QGuiApplication::restoreOverrideCursor();
    if (failure)
        QMessageBox::warning(parent, title, *failure + QLatin1Char('.'));
}

void printProofSheetWithDialog(QWidget *parent, int selectedRow) {
    const std::optional<QList<int>> rows = chooseLaws(parent, selectedRow, ProofSheet::tr("Печат"));
    if (!rows)
        return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(sheetPageLayout());
    printer.setDocName(ProofSheet::tr("Булеви закони: доказателства"));
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(ProofSheet::tr("Печат"));
    if (dialog.exec() != QDialog::Accepted)
        return;
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const std::optional<QString> failure = printProofSheet(&printer, *rows);
    QGuiApplication::restoreOverrideCursor();
    if (failure)
        QMessageBox::warning(parent, ProofSheet::tr("Печат"), *failure + QLatin1Char('.'));
}

QList<QAction *> proofSheetItems(QWidget &window, const LawSelection &selection) {
    auto *save = new QAction(&window);
    menu_item::setText(save, "ProofSheet", QT_TRANSLATE_NOOP("ProofSheet", "Запази лист с доказателства…"));
    save->setShortcut(QKeySequence::Save);
    QObject::connect(save, &QAction::triggered, &window,
                     [&window, &selection] { saveProofSheetWithDialog(&window, selection.law()); });

    auto *print = new QAction(&window);
    menu_item::setText(print, "ProofSheet", QT_TRANSLATE_NOOP("ProofSheet", "Печат…"));
    print->setShortcut(QKeySequence::Print);
    QObject::connect(print, &QAction::triggered, &window,
                     [&window, &selection] { printProofSheetWithDialog(&window, selection.law()); });
    return {save, print};
}
