// SPDX-License-Identifier: GPL-3.0-or-later
// Where neither Times New Roman nor Liberation Serif is installed (CTest
// runs this with a font configuration that offers only DejaVu Serif and
// DejaVu Sans), the window still opens, takes the serif, and draws every
// text, Cyrillic included, with real glyphs of that one font.

#include "fixed_texts.h"
#include "inf_tarvisko.h"
#include "law_catalogue.h"
#include "window_helpers.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QGlyphRun>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRawFont>
#include <QTest>
#include <QTextLayout>

namespace {

const QString fallback = QStringLiteral("DejaVu Serif");

// The fonts that draw `text` in `font`, and how many of its glyphs are the
// "missing glyph" box.
struct Drawn {
    QStringList families;
    int missingGlyphs = 0;
};

Drawn drawn(const QString &text, const QFont &font) {
    QTextLayout layout(text, font);
    layout.beginLayout();
    while (layout.createLine().isValid()) {
    }
    layout.endLayout();
    Drawn result;
    for (const QGlyphRun &run : layout.glyphRuns()) {
        if (!result.families.contains(run.rawFont().familyName()))
            result.families << run.rawFont().familyName();
        for (quint32 glyph : run.glyphIndexes())
            result.missingGlyphs += glyph == 0;
    }
    return result;
}

} // namespace

class FontFallbackTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Inf_Tarvisko> window;

private slots:
    void initTestCase() {
        const QStringList families = QFontDatabase::families();
        QVERIFY2(!families.contains(QStringLiteral("Times New Roman")) &&
                     !families.contains(QStringLiteral("Liberation Serif")),
                 "run with the DejaVu-only font configuration (FONTCONFIG_FILE)");
        QVERIFY2(families.contains(fallback), "DejaVu Serif is missing: install fonts-dejavu-core");
        QVERIFY(families.contains(QStringLiteral("DejaVu Sans"))); // a sans to choose wrongly
    }

    void init() {
        window = std::make_unique<Inf_Tarvisko>();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }
    void cleanup() { window.reset(); }

    void the_window_takes_the_serif_at_twelve_points() {
        QCOMPARE(QFontInfo(window->font()).family(), fallback);
        QCOMPARE(QFontInfo(window->font()).pointSize(), 12);
        QCOMPARE(QFontInfo(window->Etiket->font()).family(), fallback);
        QVERIFY(QFontInfo(window->Etiket->font()).bold());
        QCOMPARE(testing::lawList(*window)->count(), 21);
        QVERIFY(window->resultText().starts_with("1: "));
    }

    void every_text_is_drawn_with_real_glyphs_of_the_serif_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("bold");
        QTest::newRow("title") << QString::fromUtf8(texts::title) << true;
        for (std::size_t i = 0; i < texts::descriptionLines.size(); ++i)
            QTest::newRow(QByteArray("description line ").append(QByteArray::number(i + 1)))
                << QString::fromUtf8(texts::descriptionLines[i]) << false;
        for (std::size_t row = 0; row < catalogue::lawCatalogue.size(); ++row)
            QTest::newRow(QByteArray("law ").append(QByteArray::number(row + 1)))
                << QString::fromStdString(catalogue::visibleEntry(catalogue::lawCatalogue[row])) << false;
        for (const char *tip : {texts::textBoxToolTip, texts::lawListToolTip, texts::variableLabelToolTip,
                                texts::selectorToolTip})
            QTest::newRow(tip) << QString::fromUtf8(tip) << false;
    }
    void every_text_is_drawn_with_real_glyphs_of_the_serif() {
        QFETCH(QString, text);
        QFETCH(bool, bold);
        const Drawn result = drawn(text, bold ? window->Etiket->font() : window->font());
        QCOMPARE(result.families, QStringList{fallback});
        QCOMPARE(result.missingGlyphs, 0);
    }

    void the_title_is_painted() {
        const QImage image = window->grab(window->Etiket->geometry()).toImage();
        const QColor background = window->Etiket->palette().color(QPalette::Window);
        int ink = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                ink += image.pixelColor(x, y) != background;
        QVERIFY2(ink > 200, qPrintable(QString::number(ink)));
    }
};

QTEST_MAIN(FontFallbackTest)
#include "font_fallback_test.moc"
