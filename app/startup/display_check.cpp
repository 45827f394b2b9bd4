// SPDX-License-Identifier: GPL-3.0-or-later
#include "display_check.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>
#include <utility>

namespace display {

namespace {

struct HeldMessage {
    QtMsgType type;
    QByteArray category;
    QString text;
};

const char *guardedProgram = "boolean-laws";
QtMessageHandler previousHandler = nullptr;
// The platform plugins' messages, held back until it is clear whether the
// start fails for want of a display (then they would only repeat the one
// line) or for another reason (then they are Qt's explanation).
QList<HeldMessage> heldMessages;
bool displayUnreachable = false;

void sayNoDisplay(const char *programName) {
    // Said before any application object exists: translate() needs none.
    const QString line =
        QCoreApplication::translate("display",
                                    "%1: няма достъпен графичен дисплей (no display); стартирайте под Xvfb: "
                                    "xvfb-run -a %1\n")
            .arg(QString::fromLocal8Bit(programName));
    std::fputs(line.toLocal8Bit().constData(), stderr);
}

// What the X and Wayland plugins report when the named display does not answer.
bool tellsOfUnreachableDisplay(const QString &message) {
    return message.contains(QLatin1String("could not connect to display")) ||
           message.contains(QLatin1String("Failed to create wl_display")) ||
           message.contains(QLatin1String("Failed to connect to Wayland display"));
}

void pass(QtMsgType type, const char *category, const QString &message) {
    const QMessageLogContext context(nullptr, 0, nullptr, category);
    if (previousHandler)
        previousHandler(type, context, message);
    else
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

void platformStartHandler(QtMsgType type, const QMessageLogContext &context, const QString &message) {
    if (tellsOfUnreachableDisplay(message))
        displayUnreachable = true;
    if (type == QtFatalMsg) {
        if (displayUnreachable) {
            sayNoDisplay(guardedProgram);
        } else {
            for (const HeldMessage &held : std::as_const(heldMessages))
                pass(held.type, held.category.constData(), held.text);
            pass(QtCriticalMsg, context.category, message);
        }
        std::fflush(stderr);
        std::_Exit(1);
    }
    if (context.category && QByteArray(context.category).startsWith("qt.qpa")) {
        heldMessages.append({type, QByteArray(context.category), message});
        return;
    }
    if (previousHandler)
        previousHandler(type, context, message);
}

} // namespace

bool onWindowSystem() {
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    return platform.isEmpty() || platform.startsWith("xcb") || platform.startsWith("wayland");
}

bool reachable(const char *programName) {
#ifdef Q_OS_WIN
    // Windows always has its desktop; no display is named there.
    Q_UNUSED(programName);
    return true;
#else
    if (!onWindowSystem() || !qEnvironmentVariableIsEmpty("DISPLAY") ||
        !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        return true;
    sayNoDisplay(programName);
    return false;
#endif
}

void guardPlatformStart(const char *programName) {
    guardedProgram = programName;
    previousHandler = qInstallMessageHandler(platformStartHandler);
}

void endPlatformGuard() {
    qInstallMessageHandler(previousHandler);
    // A start that succeeded shows the warnings it had, as it would unguarded.
    for (const HeldMessage &held : std::exchange(heldMessages, {}))
        pass(held.type, held.category.constData(), held.text);
}

} // namespace display
