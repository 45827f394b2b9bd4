// The window system's icon sizes are kept in the program as built from the
// drawing; every size must show exactly the drawing, kept or drawn anew.

#include "icon_drawing.h"
#include "program_icon.h"
#include "stored_icon.h"

#include <QGuiApplication>
#include <QPixmap>
#include <QTest>

class ProgramIconTest : public QObject {
    Q_OBJECT

private slots:
    void every_size_shows_the_drawing_data() {
        QTest::addColumn<int>("size");
        QTest::addColumn<bool>("kept");
        for (int size : program_icon::windowSystemSizes)
            QTest::addRow("%d, kept", size) << size << true;
        for (int size : {16, 20, 256})
            QTest::addRow("%d, drawn", size) << size << false;
    }
    void every_size_shows_the_drawing() {
        QFETCH(int, size);
        QFETCH(bool, kept);
        const QImage drawing = program_icon::drawn(QSize(size, size));
        const QImage stored = program_icon::stored(size);
        QCOMPARE(!stored.isNull(), kept);
        if (kept)
            QVERIFY(stored == drawing);
        const QImage shown = program_icon::make()
                                 .pixmap(QSize(size, size))
                                 .toImage()
                                 .convertToFormat(QImage::Format_ARGB32_Premultiplied);
        QVERIFY(shown == drawing);
    }
};

QTEST_MAIN(ProgramIconTest)
#include "program_icon_test.moc"
