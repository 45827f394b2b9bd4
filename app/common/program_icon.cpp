// SPDX-License-Identifier: GPL-3.0-or-later
#include "program_icon.h"

namespace program_icon {

QIcon make() {
    // The sizes a title bar, task bar or window switcher asks for; the
    // desktop shows larger ones from the installed icons. Each size is
    // handed to the window system at start, so a larger one would only
    // cost memory.
    QIcon icon;
    for (int size : {32, 48, 64, 128})
        icon.addFile(QStringLiteral(":/icons/boolean-laws-%1.png").arg(size), QSize(size, size));
    return icon;
}

} // namespace program_icon
