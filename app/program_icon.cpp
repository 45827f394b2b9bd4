// SPDX-License-Identifier: GPL-3.0-or-later
#include "program_icon.h"

#include "program_identity.h"

namespace program_icon {

QIcon make() {
    QIcon compiledIn;
    for (int size : {32, 48, 64, 128, 256})
        compiledIn.addFile(QStringLiteral(":/icons/boolean-laws-%1.png").arg(size), QSize(size, size));
    return QIcon::fromTheme(QString::fromLatin1(program::desktopId), compiledIn);
}

} // namespace program_icon
