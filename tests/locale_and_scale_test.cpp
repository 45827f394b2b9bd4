// SPDX-License-Identifier: GPL-3.0-or-later
// The window whatever the user's locale and screen density (CTest runs it in
// several locales and at several scale factors): the locale really in effect,
// proofs in ASCII digits and English truth words, every control inside the
// window and clear of the others, drawn at the screen's density, and no
// label's text cut off.

#include "inf_tarvisko.h"
#include "law_catalogue.h"
#include "proof_helpers.h"
#include "window_helpers.h"

#include <QLabel>
#include <QLocale>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTest>

#include <clocale>

using namespace testing;

namespace {

constexpr QColor windowColour{0x80, 0x80, 0xFF};

double scaleFactor() {
    const QByteArray factor = qgetenv("QT_SCALE_FACTOR");
    return factor.isEmpty() ? 1.0 : factor.toDouble();
}

// Device pixels of a logical rectangle of the window in its grab.
QRect onImage(const QRect &logical, double factor) {
    return {QPoint(qCeil(logical.left() * factor), qCeil(logical.top() * factor)),
            QPoint(qFloor((logical.right() + 1) * factor) - 1, qFloor((logical.bottom() + 1) * factor) - 1)};
}

// The smallest rectangle holding every pixel of `area` that differs from
// `background`: where the text was drawn.
QRect inkIn(const QImage &image, const QRect &area, const QColor &background) {
    QRect ink;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixelColor(x, y) != background)
                ink |= QRect(x, y, 1, 1);
    return ink;
}

// "Bul_Prom(i)" for "Label1(i)"; nothing for any other control.
QString selectorUnder(const QString &control) {
    if (!control.startsWith(QStringLiteral("Label1(")))
        return QStringLiteral("-");
    return QString(control).replace(QStringLiteral("Label1"), QStringLiteral("Bul_Prom"));
}

} // namespace

class LocaleAndScaleTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Inf_Tarvisko> window;

    void choose(int row) {
        clickRow(lawList(*window), row);
        QCOMPARE(lawList(*window)->selectedRow(), row);
    }

private slots:
    void init() {
        window = std::make_unique<Inf_Tarvisko>();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }
    void cleanup() { window.reset(); }

    void the_requested_locale_is_in_effect() {
        const QByteArray expected = qgetenv("BOOLEAN_LAWS_EXPECT_LOCALE");
        if (expected.isEmpty())
            QSKIP("no locale requested (BOOLEAN_LAWS_EXPECT_LOCALE)");
        // Qt adopts the environment's locale when the application starts.
        QCOMPARE(QByteArray(std::setlocale(LC_ALL, nullptr)), expected);
        const QByteArray language = expected.left(expected.indexOf('.'));
        QCOMPARE(QLocale::system().name().toLatin1(), language == "C" ? QByteArray("C") : language);
    }

    void proofs_read_in_ascii_digits_and_english_words_data() {
        QTest::addColumn<int>("row");
        for (int row = 0; row < 21; ++row)
            QTest::newRow(QByteArray("law ").append(QByteArray::number(row + 1))) << row;
    }
    void proofs_read_in_ascii_digits_and_english_words() {
        QFETCH(int, row);
        static const QRegularExpression proofLine(QStringLiteral("^[ !()<=>^01v-]*$"));
        static const QRegularExpression word(QStringLiteral("[A-Za-z]+"));
        static const QStringList words{QStringLiteral("True"), QStringLiteral("False"), QStringLiteral("Xor"),
                                       QStringLiteral("v")};
        choose(row);
        const bool usesC = catalogue::lawCatalogue[std::size_t(row)].variableCount == "3";
        for (const Inputs &in : allInputs(usesC ? 3 : 2)) {
            const std::array<int, 3> values{in.A, in.B, in.C};
            for (std::size_t i = 0; i < (usesC ? 3u : 2u); ++i) {
                clickRow(valueSelector(*window, int(i)), values[i]);
                QCOMPARE(valueSelector(*window, int(i))->itemText(values[i]), QString::number(values[i]));
            }
            const QStringList lines = window->Text1[1]->toPlainText().split(QLatin1Char('\n'));
            QVERIFY(lines.first().startsWith(QString::number(row + 1) + QStringLiteral(": ")));
            for (const QString &line : lines.mid(2)) {
                QString withoutWords = line;
                for (auto match = word.globalMatch(line); match.hasNext();) {
                    const QString found = match.next().captured();
                    QVERIFY2(words.contains(found), qPrintable(found + QStringLiteral(" in ") + line));
                    withoutWords.replace(found, QStringLiteral(" "));
                }
                QVERIFY2(proofLine.match(withoutWords).hasMatch(), qPrintable(line));
            }
        }
    }

    void controls_lie_inside_the_window_and_clear_of_each_other_data() {
        QTest::addColumn<int>("row");
        QTest::newRow("A and B") << 0;
        QTest::newRow("A, B and C") << 6;
    }
    void controls_lie_inside_the_window_and_clear_of_each_other() {
        QFETCH(int, row);
        choose(row);
        QList<const QWidget *> shown;
        for (const QWidget *child : window->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            if (child->isVisible())
                shown << child;
        QCOMPARE(shown.size(), row == 0 ? 8 : 10);
        for (const QWidget *control : shown) {
            QVERIFY2(window->rect().contains(control->geometry()), qPrintable(control->objectName()));
            for (const QWidget *other : shown) {
                const QRect common = control->geometry() & other->geometry();
                // A variable's label reaches one pixel row into its selector,
                // which covers that row in the same colour.
                const bool labelOverSelector =
                    (selectorUnder(control->objectName()) == other->objectName() ||
                     selectorUnder(other->objectName()) == control->objectName()) &&
                    common.height() == 1;
                QVERIFY2(
                    control == other || common.isEmpty() || labelOverSelector,
                    qPrintable(control->objectName() + QStringLiteral(" covers ") + other->objectName()));
            }
        }
    }

    void the_window_is_drawn_at_the_screen_density() {
        const double factor = scaleFactor();
        QCOMPARE(window->devicePixelRatioF(), factor);
        const QImage image = window->grab().toImage();
        QCOMPARE(image.size(), QSize(qRound(572 * factor), qRound(405 * factor)));
        QCOMPARE(window->size(), QSize(572, 405)); // places stay in logical pixels
    }

    // Each label fills its whole place (but the row its selector covers),
    // scaled, and its text is drawn inside it, clear of every edge; the
    // hidden C leaves the bare window.
    void labels_fill_their_places_and_hold_their_text_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("row");
        QTest::addColumn<bool>("shown");
        for (const char *name : {"Etiket", "Label1(0)", "Label1(1)", "Label1(2)"})
            QTest::newRow(name) << QString::fromLatin1(name) << 6 << true;
        QTest::newRow("Label1(2) hidden") << QStringLiteral("Label1(2)") << 0 << false;
    }
    void labels_fill_their_places_and_hold_their_text() {
        QFETCH(QString, control);
        QFETCH(int, row);
        QFETCH(bool, shown);
        choose(row);
        const auto *label = window->findChild<QLabel *>(control);
        QVERIFY(label);
        QCOMPARE(label->isVisible(), shown);
        const QImage image = window->grab().toImage();
        QRect uncovered = label->geometry();
        if (const auto *selector = window->findChild<QWidget *>(selectorUnder(control)))
            uncovered.setBottom(std::min(uncovered.bottom(), selector->geometry().top() - 1));
        const QRect place = onImage(uncovered, scaleFactor());
        const QColor colour = shown ? label->palette().color(QPalette::Window) : windowColour;
        for (const QPoint corner :
             {place.topLeft(), place.topRight(), place.bottomLeft(), place.bottomRight()})
            QCOMPARE(image.pixelColor(corner), colour);
        const QRect ink = inkIn(image, place, colour);
        if (!shown) {
            QVERIFY(ink.isNull());
            return;
        }
        QVERIFY2(!ink.isNull(), "no text drawn");
        QVERIFY2(place.adjusted(1, 1, -1, -1).contains(ink),
                 qPrintable(QStringLiteral("text at %1,%2 %3x%4 touches the edge of %5,%6 %7x%8")
                                .arg(ink.x())
                                .arg(ink.y())
                                .arg(ink.width())
                                .arg(ink.height())
                                .arg(place.x())
                                .arg(place.y())
                                .arg(place.width())
                                .arg(place.height())));
    }
};

QTEST_MAIN(LocaleAndScaleTest)
#include "locale_and_scale_test.moc"
