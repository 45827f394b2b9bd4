#include "display_check.h"
#include "inf_tarvisko.h"

#include <QApplication>

int main(int argc, char *argv[]) {
    const char *programName = argc > 0 ? argv[0] : "boolean-laws";
    if (!display::reachable(programName))
        return 1;

    display::guardPlatformStart(programName);
    QApplication application(argc, argv);
    display::endPlatformGuard();

    Inf_Tarvisko window;
    window.show();
    return application.exec();
}
