#include "inf_tarvisko.h"
#include <QTest>
class WindowTest : public QObject {
    Q_OBJECT
private slots:
    void opens() { Inf_Tarvisko w; }
};
QTEST_MAIN(WindowTest)
#include "window_test.moc"
