// SPDX-License-Identifier: GPL-3.0-or-later
// Under a dark desktop theme (light text on dark backgrounds) the window's
// fixed light backgrounds keep dark text: every text the window draws,
// the chosen rows included, reads at 4.5:1 or better under a dark palette
// and a light one.

#include "contrast.h"
#include "inf_tarvisko.h"
#include "window_helpers.h"

#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTest>

namespace {

QPalette darkPalette() {
    QPalette dark;
    const QColor window(0x30, 0x30, 0x30), base(0x24, 0x24, 0x24), text(0xEE, 0xEE, 0xEE);
    dark.setColor(QPalette::Window, window);
    dark.setColor(QPalette::WindowText, text);
    dark.setColor(QPalette::Base, base);
    dark.setColor(QPalette::AlternateBase, window);
    dark.setColor(QPalette::Text, text);
    dark.setColor(QPalette::Button, window);
    dark.setColor(QPalette::ButtonText, text);
    dark.setColor(QPalette::Highlight, QColor(0x35, 0x84, 0xE4));
    dark.setColor(QPalette::HighlightedText, text);
    return dark;
}

} // namespace

class DarkThemeTest : public QObject {
    Q_OBJECT

private slots:
    void every_text_reads_well_data() {
        QTest::addColumn<bool>("dark");
        QTest::addColumn<QString>("part");
        for (bool dark : {true, false})
            for (const char *part : {"title", "label A", "law list", "chosen law", "chosen value",
                                     "description", "result box", "selected text"})
                QTest::addRow("%s, %s", dark ? "dark" : "light", part) << dark << QString::fromLatin1(part);
    }
    void every_text_reads_well() {
        QFETCH(bool, dark);
        QFETCH(QString, part);
        const QPalette before = QApplication::palette();
        if (dark)
            QApplication::setPalette(darkPalette());
        Inf_Tarvisko window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        testing::lawList(window)->setFocus();

        QImage picture;
        auto rowPicture = [](ChoiceList *list, int row, int skip) {
            // Inside the row, off its focus frame, where the row's text stands.
            const QRect rect = testing::rowRect(list, row).adjusted(skip, 2, -2, -2);
            return list->viewport()->grab(rect).toImage();
        };
        if (part == QLatin1String("title")) {
            picture = window.Etiket->grab().toImage();
        } else if (part == QLatin1String("label A")) {
            picture = window.Label1[0]->grab().toImage();
        } else if (part == QLatin1String("law list")) {
            picture = rowPicture(testing::lawList(window), 1, 2);
        } else if (part == QLatin1String("chosen law")) {
            picture = rowPicture(testing::lawList(window), 0, 2);
        } else if (part == QLatin1String("chosen value")) {
            picture = rowPicture(testing::valueSelector(window, 0), 0, 2);
        } else if (part == QLatin1String("description")) {
            picture = window.Text1[0]->viewport()->grab().toImage();
        } else if (part == QLatin1String("result box")) {
            picture = window.Text1[1]->viewport()->grab().toImage();
        } else {
            window.Text1[1]->setFocus();
            window.Text1[1]->selectAll();
            picture = window.Text1[1]->viewport()->grab(QRect(0, 0, 200, 16)).toImage();
        }
        QApplication::setPalette(before);
        QVERIFY(!picture.isNull());
        const double ratio = testing::inkContrast(picture.convertToFormat(QImage::Format_RGB32));
        QVERIFY2(ratio >= 4.5, qPrintable(QStringLiteral("contrast %1:1").arg(ratio, 0, 'f', 2)));
    }
};

QTEST_MAIN(DarkThemeTest)
#include "dark_theme_test.moc"
