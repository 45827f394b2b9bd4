// SPDX-License-Identifier: GPL-3.0-or-later
// --sheet through the real program: the PDF read back as text holds every
// proof line, each law on the page its contents give and no proof cut by a
// page end; the HTML holds every proof verbatim and each law's truth table;
// a file is written whole or not at all.

#include "command_line_helpers.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

constexpr int lawCount = 21;

// pdftotext (poppler-utils) keeps the lines in their order on the page, but
// its blanks follow the glyphs' places, not the text's.
QStringList pdfPages(const QString &pdf) {
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    process.waitForFinished();
    return QString::fromUtf8(process.readAllStandardOutput()).split(QLatin1Char('\f'), Qt::SkipEmptyParts);
}

QByteArray contentsOf(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

ProgramRun writeSheet(const QString &laws, const QString &path) {
    return runProgram({QStringLiteral("--sheet"), laws, QStringLiteral("--output"), path});
}

} // namespace

class ProofSheetTest : public QObject {
    Q_OBJECT

    QTemporaryDir folder_;
    QStringList pages_; // of the PDF of all laws
    QString html_;      // all laws

private slots:
    void initTestCase() {
        QVERIFY(folder_.isValid());
        QVERIFY2(!QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty(),
                 "pdftotext (poppler-utils) is not installed");
        for (const QString &type : {QStringLiteral("pdf"), QStringLiteral("html")}) {
            const ProgramRun run =
                writeSheet(QStringLiteral("all"), folder_.filePath(QStringLiteral("закони.") + type));
            QCOMPARE(run.exitCode, 0);
            QCOMPARE(run.out + run.err, QByteArray());
        }
        pages_ = pdfPages(folder_.filePath(QStringLiteral("закони.pdf")));
        html_ = QString::fromUtf8(contentsOf(folder_.filePath(QStringLiteral("закони.html"))));
    }

    void the_pdf_holds_every_proof_line() {
        const QString text = pages_.join(QLatin1Char(' ')).simplified();
        for (int row = 0; row < lawCount; ++row)
            for (int bits = 0; bits < 1 << variableCount(row); ++bits)
                for (const QString &line :
                     QString::fromUtf8(resultBoxText(row, bits)).split('\n', Qt::SkipEmptyParts))
                    QVERIFY2(text.contains(line.simplified()), qPrintable(line));
    }

    // "  7. Закон за преместване   (A ^ B) v ...   8": a law's line in the
    // contents ends with its page (a long formula goes on on the next line),
    // and that page begins with the law's heading.
    void every_law_starts_on_the_page_the_contents_give() {
        QVERIFY(pages_.value(0).trimmed().startsWith(QStringLiteral("Булеви закони: доказателства")));
        const QRegularExpression entry(QStringLiteral("(?m)^ *(\\d+)\\. .* (\\d+)$"));
        int law = 0;
        int previousPage = 1;
        for (const QRegularExpressionMatch &match : entry.globalMatch(pages_.value(0))) {
            QCOMPARE(match.captured(1).toInt(), ++law);
            const int page = match.captured(2).toInt();
            QVERIFY(page > previousPage);
            previousPage = page;
            QVERIFY2(pages_.value(page - 1).trimmed().startsWith(QStringLiteral("%1. ").arg(law)),
                     qPrintable(pages_.value(page - 1).left(80)));
        }
        QCOMPARE(law, lawCount);
    }

    // A proof the page end would cut is moved whole to the next page: every
    // page after the contents begins with a law, its proofs' heading or a
    // proof's values.
    void no_proof_is_cut_by_a_page_end() {
        const QRegularExpression start(QStringLiteral("^(\\d+\\. |Доказателства\\n|A = [01], B = [01])"));
        QVERIFY(pages_.size() > lawCount);
        for (qsizetype page = 1; page < pages_.size(); ++page)
            QVERIFY2(
                start.match(pages_[page].trimmed()).hasMatch(),
                qPrintable(QStringLiteral("page %1: %2").arg(page + 1).arg(pages_[page].trimmed().left(80))));
    }

    void the_html_holds_every_proof_verbatim() {
        QVERIFY(html_.contains(QStringLiteral("<meta charset=\"utf-8\">")));
        for (int row = 0; row < lawCount; ++row)
            for (int bits = 0; bits < 1 << variableCount(row); ++bits) {
                const QString proof =
                    QString::fromUtf8(resultBoxText(row, bits).chopped(1)); // its last line end
                QVERIFY2(html_.contains(QStringLiteral("<pre>%1</pre>").arg(proof.toHtmlEscaped())),
                         qPrintable(proof));
            }
    }

    // Each law carries its whole truth table: a row for each value of its
    // variables (the values themselves are the formula reader's, tested there).
    void the_html_has_each_laws_truth_table() {
        const QStringList laws = html_.split(QStringLiteral("<h2 "));
        QCOMPARE(laws.size(), lawCount + 1);
        const QRegularExpression tableRow(QStringLiteral("<tr>(?:<td[^>]*>[01]</td>)+</tr>"));
        for (int row = 0; row < lawCount; ++row)
            QCOMPARE(laws[row + 1].count(tableRow), 1 << variableCount(row));
    }

    void an_unwritable_place_leaves_nothing_data() {
        QTest::addColumn<QString>("name"); // inside an empty folder
        QTest::addColumn<bool>("folderInItsPlace");
        QTest::newRow("PDF in a folder that does not exist") << "missing/sheet.pdf" << false;
        QTest::newRow("HTML in a folder that does not exist") << "missing/sheet.html" << false;
        QTest::newRow("PDF where a folder is") << "taken.pdf" << true;
        QTest::newRow("HTML where a folder is") << "taken.html" << true;
    }
    void an_unwritable_place_leaves_nothing() {
        QFETCH(QString, name);
        QFETCH(bool, folderInItsPlace);
        QTemporaryDir place;
        const QString path = place.filePath(name);
        if (folderInItsPlace)
            QVERIFY(QDir().mkdir(path));
        const ProgramRun run = writeSheet(QStringLiteral("all"), path);
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(run.out, QByteArray());
        QCOMPARE(run.err.count('\n'), 1);
        QVERIFY2(run.err.endsWith('\n') && run.err.contains(path.toUtf8()), run.err.constData());
        const auto left =
            QDir(place.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
        QCOMPARE(left, folderInItsPlace ? QStringList{name} : QStringList{});
        QVERIFY(!folderInItsPlace || QDir(path).isEmpty());
    }

    void one_law_replaces_an_existing_file_whole_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("start");
        QTest::addColumn<QByteArray>("end");
        QTest::newRow("PDF") << "old.pdf" << QByteArray("%PDF-") << QByteArray("%%EOF\n");
        QTest::newRow("HTML") << "old.html" << QByteArray("<!DOCTYPE html>") << QByteArray("</html>\n");
    }
    void one_law_replaces_an_existing_file_whole() {
        QFETCH(QString, name);
        QFETCH(QByteArray, start);
        QFETCH(QByteArray, end);
        const QString path = folder_.filePath(name);
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write(QByteArray(1 << 20, 'x')); // longer than the sheet
        old.close();
        QCOMPARE(writeSheet(QStringLiteral("20"), path).exitCode, 0);
        const QByteArray written = contentsOf(path);
        QVERIFY(written.startsWith(start) && written.endsWith(end) && !written.contains("xxxxxxxx"));
        // One law has no contents: its heading comes first.
        if (path.endsWith(QStringLiteral(".pdf")))
            QVERIFY(pdfPages(path).value(0).trimmed().startsWith(QStringLiteral("20. функция импликация")));
    }
};

QTEST_GUILESS_MAIN(ProofSheetTest)
#include "proof_sheet_test.moc"
