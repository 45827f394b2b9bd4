// SPDX-License-Identifier: GPL-3.0-or-later
// The window's font draws exactly as Times New Roman asked for by name:
// glyph for glyph and pixel for pixel, regular and bold, in Latin and
// Cyrillic. CTest runs it with the machine's fonts and again with only
// DejaVu Serif and DejaVu Sans, where the stand-in is another font.

#include "fixed_texts.h"
#include "inf_tarvisko.h"
#include "law_catalogue.h"
#include "window_font.h"

#include <QApplication>
#include <QGlyphRun>
#include <QImage>
#include <QPainter>
#include <QPlainTextEdit>
#include <QRawFont>
#include <QTest>
#include <QTextLayout>

namespace {

QFont timesByName() {
    QFont font(QStringLiteral("Times New Roman"), 12);
    font.setStyleHint(QFont::Serif);
    return font;
}

QFont withWeight(QFont font, bool bold) {
    font.setBold(bold);
    return font;
}

QImage drawn(const QString &text, const QFont &font) {
    QImage image(2400, 40, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(image.rect(), Qt::AlignLeft | Qt::AlignVCenter, text);
    return image;
}

QStringList families(const QString &text, const QFont &font) {
    QTextLayout layout(text, font);
    layout.beginLayout();
    while (layout.createLine().isValid()) {
    }
    layout.endLayout();
    QStringList names;
    for (const QGlyphRun &run : layout.glyphRuns())
        names << run.rawFont().familyName() + (run.rawFont().weight() >= QFont::Bold ? " bold" : "");
    return names;
}

// Counts the changes of the application's font that reach widgets.
class ApplicationFontChanges : public QObject {
public:
    ApplicationFontChanges() { qApp->installEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() == QEvent::ApplicationFontChange && watched->isWidgetType())
            ++count;
        return false;
    }
};

} // namespace

class WindowFontTest : public QObject {
    Q_OBJECT

private slots:
    void draws_as_times_asked_by_name_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("bold");
        const QString texts[] = {
            QString::fromUtf8(texts::title),
            QString::fromUtf8(texts::descriptionLines[3]),
            QString::fromUtf8(catalogue::visibleEntry(catalogue::lawCatalogue[12]).c_str()),
            QStringLiteral("1: (A + B) * (A + !B) = A    1 + 0 = True"),
        };
        for (const QString &text : texts)
            for (bool bold : {false, true})
                QTest::addRow("%s, %s", qPrintable(text.left(24)), bold ? "bold" : "regular") << text << bold;
    }
    void draws_as_times_asked_by_name() {
        QFETCH(QString, text);
        QFETCH(bool, bold);
        const QFont asked = withWeight(timesByName(), bold);
        const QFont window = withWeight(windowFont(), bold);
        QCOMPARE(families(text, window), families(text, asked));
        QCOMPARE(drawn(text, window), drawn(text, asked));
    }

    // The window's font is the window's own: building it leaves every
    // application font as it was, the ones a desktop theme gives tool-tips
    // and menus included, and no widget is told of a change.
    void building_the_window_leaves_the_application_fonts_as_they_were() {
        const QFont themeTipFont(QStringLiteral("DejaVu Sans"), 7);
        QApplication::setFont(themeTipFont, "QTipLabel");
        const QFont before = QApplication::font();
        ApplicationFontChanges changes;
        {
            Inf_Tarvisko window;
            QCOMPARE(window.Text1[1]->document()->defaultFont(), window.font());
        }
        QCOMPARE(QApplication::font(), before);
        QCOMPARE(QApplication::font("QTipLabel"), themeTipFont);
        QCOMPARE(changes.count, 0);
    }
};

QTEST_MAIN(WindowFontTest)
#include "window_font_test.moc"
