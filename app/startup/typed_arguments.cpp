// SPDX-License-Identifier: GPL-3.0-or-later
#include "typed_arguments.h"

#include <QtGlobal>

#ifdef Q_OS_WIN
#include <windows.h>

#include <shellapi.h>
#endif

namespace program {

QStringList typedArguments(int argc, char *argv[]) {
    QStringList arguments;
#ifdef Q_OS_WIN
    int count = 0;
    if (LPWSTR *wide = CommandLineToArgvW(GetCommandLineW(), &count)) {
        for (int i = 0; i < count; ++i)
            arguments << QString::fromWCharArray(wide[i]);
        LocalFree(wide);
    }
    // Whoever started the program with an argv of its own is believed.
    if (arguments.size() == argc)
        return arguments;
    arguments.clear();
#endif
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

} // namespace program
