// SPDX-License-Identifier: GPL-3.0-or-later
// A sheet sent to a printer whose output cannot be written says so, with the
// file's name, instead of ending as if printed.

#include "proof_sheet.h"

#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>

class SheetPrintingTest : public QObject {
    Q_OBJECT

    QTemporaryDir folder;

private slots:
    void an_unwritable_output_file_is_reported_data() {
        QTest::addColumn<QString>("file");     // under the temporary folder
        QTest::addColumn<QString>("reported"); // part of the failure; empty: none
        QTest::newRow("writable") << "sheet.pdf"
                                  << "";
        QTest::newRow("missing folder") << "missing/sheet.pdf"
                                        << "не съществува";
        QTest::newRow("a folder's name") << "folder.pdf"
                                         << "папка";
    }
    void an_unwritable_output_file_is_reported() {
        QVERIFY(folder.isValid());
        QVERIFY(QDir(folder.path()).mkpath(QStringLiteral("folder.pdf")));
        QFETCH(QString, file);
        QFETCH(QString, reported);
        const QString path = folder.filePath(file);
        QPrinter printer;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        const std::optional<QString> failure = printProofSheet(&printer, {0});
        if (reported.isEmpty()) {
            QVERIFY2(!failure, qPrintable(failure.value_or(QString())));
            QVERIFY(QFileInfo(path).size() > 0);
            return;
        }
        QVERIFY(failure);
        QVERIFY2(failure->contains(path) && failure->contains(reported), qPrintable(*failure));
    }
};

QTEST_MAIN(SheetPrintingTest)
#include "sheet_printing_test.moc"
