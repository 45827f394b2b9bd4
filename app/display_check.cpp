#include "display_check.h"

#include <QByteArray>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>

namespace display {

namespace {

const char *guardedProgram = "boolean-laws";
QtMessageHandler previousHandler = nullptr;

void sayNoDisplay(const char *programName) {
    std::fprintf(stderr,
                 "%s: няма достъпен графичен дисплей (no display); стартирайте под Xvfb: xvfb-run -a %s\n",
                 programName, programName);
}

void platformStartHandler(QtMsgType type, const QMessageLogContext &context, const QString &message) {
    if (type == QtFatalMsg) {
        sayNoDisplay(guardedProgram);
        std::fflush(stderr);
        std::_Exit(1);
    }
    // The platform plugins' own complaints would only repeat the one line.
    if (context.category && QByteArray(context.category).startsWith("qt.qpa"))
        return;
    if (previousHandler)
        previousHandler(type, context, message);
}

} // namespace

bool onWindowSystem() {
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    return platform.isEmpty() || platform.startsWith("xcb") || platform.startsWith("wayland");
}

bool reachable(const char *programName) {
    if (!onWindowSystem() || !qEnvironmentVariableIsEmpty("DISPLAY") ||
        !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        return true;
    sayNoDisplay(programName);
    return false;
}

void guardPlatformStart(const char *programName) {
    guardedProgram = programName;
    previousHandler = qInstallMessageHandler(platformStartHandler);
}

void endPlatformGuard() { qInstallMessageHandler(previousHandler); }

} // namespace display
