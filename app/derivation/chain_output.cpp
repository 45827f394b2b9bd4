// SPDX-License-Identifier: GPL-3.0-or-later
#include "chain_output.h"

#include "derivation_chain.h"
#include "proof_sheet.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QSaveFile>
#include <QStandardPaths>

namespace {

class ChainOutput {
    Q_DECLARE_TR_FUNCTIONS(ChainOutput)

public:
    static QString saveTitle() { return tr("Запази извеждането"); }
    static QString printTitle() { return tr("Печат"); }
    static QString textFilter() { return tr("Текст за --check (*.txt)"); }
    static QString suggestedName() { return tr("извеждане.txt"); }
    static QString notWritten(const QString &path, const QString &reason) {
        return tr("извеждането не е записано в „%1“: %2").arg(path, reason);
    }
};

} // namespace

std::optional<QString> writeChainFile(const DerivationChain &chain, const QString &goalText,
                                      const QString &path) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(chain.checkFile(goalText)) < 0 || !file.commit())
        return ChainOutput::notWritten(path, file.errorString());
    return std::nullopt;
}

void saveChainWithDialog(QWidget *parent, const DerivationChain &chain, const QString &subject,
                         const QString &goalText) {
    const QString text = ChainOutput::textFilter();
    const QString pdf = QStringLiteral("PDF (*.pdf)");
    QFileDialog dialog(parent, ChainOutput::saveTitle(),
                       QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
                           .filePath(ChainOutput::suggestedName()),
                       text + QStringLiteral(";;") + pdf);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("txt"));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog, pdf](const QString &filter) {
        dialog.setDefaultSuffix(filter == pdf ? QStringLiteral("pdf") : QStringLiteral("txt"));
    });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString path = dialog.selectedFiles().constFirst();
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const std::optional<QString> failure = sheetFormatOf(path) == SheetFormat::Pdf
                                               ? writeSheetPdf(chain.html(subject, goalText), subject, path)
                                               : writeChainFile(chain, goalText, path);
    QGuiApplication::restoreOverrideCursor();
    if (failure)
        QMessageBox::warning(parent, ChainOutput::saveTitle(), *failure + QLatin1Char('.'));
}

void printChainWithDialog(QWidget *parent, const DerivationChain &chain, const QString &subject,
                          const QString &goalText) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(sheetPageLayout());
    printer.setDocName(subject);
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(ChainOutput::printTitle());
    if (dialog.exec() != QDialog::Accepted)
        return;
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const std::optional<QString> failure = printSheet(&printer, chain.html(subject, goalText));
    QGuiApplication::restoreOverrideCursor();
    if (failure)
        QMessageBox::warning(parent, ChainOutput::printTitle(), *failure + QLatin1Char('.'));
}
