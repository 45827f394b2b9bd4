// SPDX-License-Identifier: GPL-3.0-or-later
// --sheet through the real program: the PDF read back as text holds every
// law's proofs line for line, each law on the page its contents give; the
// HTML holds every proof verbatim and each law's truth table; a file is
// written whole or not at all.

#include "law_catalogue.h"
#include "law_proof.h"
#include "program_run.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

constexpr int lawCount = 21;

int variableCount(int row) { return catalogue::lawCatalogue[std::size_t(row)].variableCount == "3" ? 3 : 2; }

// Every proof of a law as the result box shows it, with "\n" line ends.
QStringList proofsOf(int row) {
    const catalogue::LawRow &law = catalogue::lawCatalogue[std::size_t(row)];
    const int count = variableCount(row);
    QStringList proofs;
    for (int bits = 0; bits < (1 << count); ++bits) {
        const auto digit = [&](int variable) {
            return variable < count ? (bits >> (count - 1 - variable)) & 1 : 0;
        };
        proofs << QString::fromStdString(
                      provers::lawProof(std::int16_t(row), law.name, law.formula,
                                        provers::formValuesOf(digit(0), digit(1), digit(2))))
                      .replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    }
    return proofs;
}

// pdftotext's spacing follows the glyphs' places, not the text's blanks.
// Its lines are kept in the order they are on the page.
QString pdfText(const QString &pdf, int page = 0) {
    QStringList arguments{QStringLiteral("-layout"), QStringLiteral("-enc"), QStringLiteral("UTF-8")};
    if (page > 0)
        arguments << QStringLiteral("-f") << QString::number(page) << QStringLiteral("-l")
                  << QString::number(page);
    QProcess process;
    process.start(QStringLiteral("pdftotext"), arguments << pdf << QStringLiteral("-"));
    process.waitForFinished();
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString simplifiedPdfText(const QString &pdf, int page = 0) { return pdfText(pdf, page).simplified(); }

int pageCount(const QString &pdf) {
    QProcess process;
    process.start(QStringLiteral("pdfinfo"), {pdf});
    process.waitForFinished();
    return QRegularExpression(QStringLiteral("(?m)^Pages: +(\\d+)$"))
        .match(QString::fromUtf8(process.readAllStandardOutput()))
        .captured(1)
        .toInt();
}

QByteArray contentsOf(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class ProofSheetTest : public QObject {
    Q_OBJECT

    QTemporaryDir folder_;
    QString pdf_, html_;

private slots:
    void initTestCase() {
        QVERIFY(folder_.isValid());
        pdf_ = folder_.filePath(QStringLiteral("законите.pdf"));
        html_ = folder_.filePath(QStringLiteral("законите.html"));
        for (const QString &path : {pdf_, html_}) {
            const ProgramRun run = runProgram(
                {QStringLiteral("--sheet"), QStringLiteral("all"), QStringLiteral("--output"), path});
            QCOMPARE(run.exitCode, 0);
            QCOMPARE(run.out + run.err, QByteArray());
        }
    }

    void the_pdf_holds_every_proof_line() {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        const QString text = simplifiedPdfText(pdf_);
        for (int row = 0; row < lawCount; ++row)
            for (const QString &proof : proofsOf(row))
                for (const QString &line : proof.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
                    QVERIFY2(text.contains(line.simplified()), qPrintable(line));
    }

    // The contents page lists the 21 laws in order with their pages, and
    // each of those pages begins with its law's heading.
    void every_law_starts_on_the_page_the_contents_give() {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        const QString contents = pdfText(pdf_, 1);
        QVERIFY2(contents.trimmed().startsWith(QStringLiteral("Булеви закони: доказателства")),
                 qPrintable(contents));
        // "  7. Закон за преместване   (A ^ B) v ...   8": a law's line ends
        // with its page; a long formula may go on on the next line.
        const QRegularExpression entry(QStringLiteral("(?m)^ *(\\d+)\\. .* (\\d+)$"));
        int law = 0;
        int previousPage = 1;
        for (const QRegularExpressionMatch &match : entry.globalMatch(contents)) {
            QCOMPARE(match.captured(1).toInt(), ++law);
            const int page = match.captured(2).toInt();
            QVERIFY(page > previousPage);
            previousPage = page;
            const QString pageText = simplifiedPdfText(pdf_, page);
            QVERIFY2(pageText.startsWith(QStringLiteral("%1. ").arg(law)), qPrintable(pageText.left(80)));
        }
        QCOMPARE(law, lawCount);
    }

    // A proof is moved whole to the next page rather than cut: every page
    // after the contents begins with a law, its proofs' heading or a
    // proof's values.
    void no_proof_is_cut_by_a_page_end() {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        const int pages = pageCount(pdf_);
        QVERIFY(pages > lawCount);
        const QRegularExpression start(QStringLiteral("^(\\d+\\. |Доказателства$|A = [01], B = [01])"));
        for (int page = 2; page <= pages; ++page) {
            const QString firstLine = pdfText(pdf_, page).trimmed().section(QLatin1Char('\n'), 0, 0);
            QVERIFY2(start.match(firstLine).hasMatch(),
                     qPrintable(QStringLiteral("page %1: %2").arg(page).arg(firstLine)));
        }
    }

    void one_law_has_no_contents() {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        const QString path = folder_.filePath(QStringLiteral("law-20.pdf"));
        QCOMPARE(
            runProgram({QStringLiteral("--sheet"), QStringLiteral("20"), QStringLiteral("--output"), path})
                .exitCode,
            0);
        const QString text = simplifiedPdfText(path);
        QVERIFY2(
            text.startsWith(QStringLiteral("20. функция импликация, заключение Формула: A -> B = !A v B")),
            qPrintable(text));
        QVERIFY(!text.contains(QStringLiteral("Булеви закони: доказателства")));
    }

    void the_html_holds_every_proof_verbatim() {
        const QString html = QString::fromUtf8(contentsOf(html_));
        QVERIFY(html.contains(QStringLiteral("<meta charset=\"utf-8\">")));
        for (int row = 0; row < lawCount; ++row)
            for (QString proof : proofsOf(row)) {
                proof.chop(1); // the last line end
                QVERIFY2(html.contains(QStringLiteral("<pre>%1</pre>").arg(proof.toHtmlEscaped())),
                         qPrintable(proof));
            }
    }

    // Each law's table: its variables' columns count from 00 (000) up, and
    // both sides agree on every row, as they must for a law.
    void the_html_truth_tables_count_up_and_hold() {
        const QString html = QString::fromUtf8(contentsOf(html_));
        const QStringList sections = html.split(QStringLiteral("<h2 "));
        QCOMPARE(sections.size(), lawCount + 1);
        const QRegularExpression tableRow(QStringLiteral("<tr>((?:<td[^>]*>[01]</td>)+)</tr>"));
        const QRegularExpression cell(QStringLiteral(">([01])<"));
        for (int row = 0; row < lawCount; ++row) {
            QStringList lines;
            for (const QRegularExpressionMatch &line : tableRow.globalMatch(sections[row + 1])) {
                QString digits;
                for (const QRegularExpressionMatch &value : cell.globalMatch(line.captured(1)))
                    digits += value.captured(1);
                lines << digits;
            }
            const int count = variableCount(row);
            QCOMPARE(lines.size(), 1 << count);
            for (int bits = 0; bits < lines.size(); ++bits) {
                const QString expected = QString::number(bits, 2).rightJustified(count, QLatin1Char('0'));
                QCOMPARE(lines[bits].left(count), expected);
                QCOMPARE(lines[bits].size(), count + 2);
                QCOMPARE(lines[bits][count], lines[bits][count + 1]);
            }
        }
    }

    void an_unwritable_place_leaves_nothing_data() {
        QTest::addColumn<QString>("name"); // inside the test's folder
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
        const auto entries = [&] {
            return QDir(place.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
        };
        const QStringList before = entries();
        const ProgramRun run =
            runProgram({QStringLiteral("--sheet"), QStringLiteral("all"), QStringLiteral("--output"), path});
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(run.out, QByteArray());
        QCOMPARE(run.err.count('\n'), 1);
        QVERIFY2(run.err.endsWith('\n') && run.err.contains(path.toUtf8()), run.err.constData());
        QCOMPARE(entries(), before);
        if (folderInItsPlace)
            QVERIFY(QDir(path).isEmpty());
    }

    void an_existing_file_is_replaced_whole_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("start");
        QTest::addColumn<QByteArray>("end");
        QTest::newRow("PDF") << "old.pdf" << QByteArray("%PDF-") << QByteArray("%%EOF\n");
        QTest::newRow("HTML") << "old.html" << QByteArray("<!DOCTYPE html>") << QByteArray("</html>\n");
    }
    void an_existing_file_is_replaced_whole() {
        QFETCH(QString, name);
        QFETCH(QByteArray, start);
        QFETCH(QByteArray, end);
        const QString path = folder_.filePath(name);
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write(QByteArray(4 << 20, 'x')); // longer than any sheet
        old.close();
        const ProgramRun run =
            runProgram({QStringLiteral("--sheet"), QStringLiteral("all"), QStringLiteral("--output"), path});
        QCOMPARE(run.exitCode, 0);
        const QByteArray written = contentsOf(path);
        QVERIFY(written.startsWith(start));
        QVERIFY(written.endsWith(end));
        QVERIFY(!written.contains("xxxxxxxx"));
    }
};

QTEST_GUILESS_MAIN(ProofSheetTest)
#include "proof_sheet_test.moc"
