// SPDX-License-Identifier: GPL-3.0-or-later
#include "program_identity.h"

#include <QGuiApplication>

namespace program {

void applyIdentity() {
    QCoreApplication::setApplicationName(QString::fromLatin1(executableName));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(version));
    // Lets the desktop match the window to its entry (and so to its icon).
    QGuiApplication::setDesktopFileName(QString::fromLatin1(desktopId));
}

} // namespace program
