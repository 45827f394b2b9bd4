// SPDX-License-Identifier: GPL-3.0-or-later
#include "proof_sheet_actions.h"

#include "inf_tarvisko.h"
#include "law_catalogue.h"
#include "proof_sheet.h"
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
    const std::string_view name = catalogue::lawCatalogue[std::size_t(selectedRow)].name;
    const QStringList choices{QStringLiteral("Избраният закон (%1: %2)")
                                  .arg(selectedRow + 1)
                                  .arg(QString::fromUtf8(name.data(), qsizetype(name.size())).trimmed()),
                              QStringLiteral("Всички 21 закона")};
    bool accepted = false;
    const QString chosen = QInputDialog::getItem(parent, title, QStringLiteral("Кои закони да има листът:"),
                                                 choices, 0, false, &accepted);
    if (!accepted)
        return std::nullopt;
    return chosen == choices.constFirst() ? QList<int>{selectedRow} : allRows();
}

} // namespace

void saveProofSheetWithDialog(QWidget *parent, int selectedRow) {
    const QString title = QStringLiteral("Запази лист с доказателства");
    const std::optional<QList<int>> rows = chooseLaws(parent, selectedRow, title);
    if (!rows)
        return;
    const QString pdf = QStringLiteral("PDF (*.pdf)");
    const QString html = QStringLiteral("HTML (*.html)");
    const QString suggested = rows->size() == 1 ? QStringLiteral("закон-%1.pdf").arg(rows->constFirst() + 1)
                                                : QStringLiteral("закони.pdf");
    QString filter = pdf;
    QString path = QFileDialog::getSaveFileName(
        parent, title,
        QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)).filePath(suggested),
        pdf + QStringLiteral(";;") + html, &filter);
    if (path.isEmpty())
        return;
    // A name typed without its ending gets the one of the chosen type.
    if (!path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive) &&
        !path.endsWith(QStringLiteral(".html"), Qt::CaseInsensitive))
        path += filter == html ? QStringLiteral(".html") : QStringLiteral(".pdf");

    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const std::optional<QString> failure = writeProofSheet(*rows, path);
    QGuiApplication::restoreOverrideCursor();
    if (failure)
        QMessageBox::warning(parent, title, *failure + QLatin1Char('.'));
}

void printProofSheetWithDialog(QWidget *parent, int selectedRow) {
    const std::optional<QList<int>> rows = chooseLaws(parent, selectedRow, QStringLiteral("Печат"));
    if (!rows)
        return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageMargins(QMarginsF(18, 15, 18, 12), QPageLayout::Millimeter);
    printer.setDocName(QStringLiteral("Булеви закони: доказателства"));
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("Печат"));
    if (dialog.exec() != QDialog::Accepted)
        return;
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    printProofSheet(&printer, *rows);
    QGuiApplication::restoreOverrideCursor();
}

void addProofSheetItems(Inf_Tarvisko &window) {
    auto *save = new QAction(QString::fromUtf8("Запази лист с доказателства…"), &window);
    save->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    QObject::connect(save, &QAction::triggered, &window,
                     [&window] { saveProofSheetWithDialog(&window, window.selection()->law()); });
    window.addToContextMenus(save);

    auto *print = new QAction(QString::fromUtf8("Печат…"), &window);
    print->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    QObject::connect(print, &QAction::triggered, &window,
                     [&window] { printProofSheetWithDialog(&window, window.selection()->law()); });
    window.addToContextMenus(print);
}
