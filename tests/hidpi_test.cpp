// SPDX-License-Identifier: GPL-3.0-or-later
// The window on a high-density screen (run with QT_SCALE_FACTOR=2): twice
// the size in device pixels, and no text cut off by its control.

#include "inf_tarvisko.h"
#include "window_helpers.h"

#include <QLabel>
#include <QTest>

using namespace testing;

class HiDpiTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Inf_Tarvisko> window;

private slots:
    void initTestCase() { QVERIFY2(qgetenv("QT_SCALE_FACTOR") == "2", "run with QT_SCALE_FACTOR=2"); }

    void init() {
        window = std::make_unique<Inf_Tarvisko>();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }
    void cleanup() { window.reset(); }

    void window_is_twice_as_large_in_device_pixels() {
        QCOMPARE(window->devicePixelRatio(), 2.0);
        const QImage image = window->grab().toImage();
        QCOMPARE(image.size(), QSize(1144, 810));
        QCOMPARE(image.devicePixelRatio(), 2.0);
        // The layout stays in logical pixels.
        QCOMPARE(window->size(), QSize(572, 405));
    }

    void no_text_is_cut_off_data() {
        QTest::addColumn<QString>("control");
        for (const char *name : {"Etiket", "Label1(0)", "Label1(1)", "Label1(2)"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }
    void no_text_is_cut_off() {
        QFETCH(QString, control);
        lawList(*window)->setCurrentRow(6); // C shown too
        const auto *label = window->findChild<QLabel *>(control);
        QVERIFY(label && label->isVisible());
        const QSize needed = label->fontMetrics().boundingRect(label->text()).size();
        const QSize room = label->contentsRect().size();
        QVERIFY2(needed.width() <= room.width() && needed.height() <= room.height(),
                 qPrintable(QStringLiteral("%1x%2 in %3x%4")
                                .arg(needed.width())
                                .arg(needed.height())
                                .arg(room.width())
                                .arg(room.height())));
    }

    void both_values_of_each_selector_are_in_view() {
        lawList(*window)->setCurrentRow(6);
        for (const ChoiceList *selector :
             {valueSelector(*window, 0), valueSelector(*window, 1), valueSelector(*window, 2)}) {
            QVERIFY(selector->isVisible());
            for (int row = 0; row < selector->count(); ++row)
                QVERIFY2(selector->viewport()->rect().contains(testing::rowRect(selector, row)),
                         qPrintable(selector->objectName()));
        }
    }
};

QTEST_MAIN(HiDpiTest)
#include "hidpi_test.moc"
