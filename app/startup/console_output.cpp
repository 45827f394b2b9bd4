// SPDX-License-Identifier: GPL-3.0-or-later
#include "console_output.h"

#include <QtGlobal>

#ifdef Q_OS_WIN
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#endif

namespace console {

#ifdef Q_OS_WIN

namespace {

UINT shellCodePage = 0;

// The console belongs to the shell: it gets its code page back once all
// that is buffered has been written in UTF-8.
void restoreShellCodePage() {
    std::fflush(stdout);
    std::fflush(stderr);
    SetConsoleOutputCP(shellCodePage);
}

bool hasStandardHandle(DWORD which) {
    const HANDLE handle = GetStdHandle(which);
    return handle != nullptr && handle != INVALID_HANDLE_VALUE;
}

void writeBytesAsGiven(FILE *stream) {
    const int descriptor = _fileno(stream);
    if (descriptor >= 0)
        _setmode(descriptor, _O_BINARY);
}

} // namespace

void prepareOutput() {
    // A pipe or a file the caller redirected to stays; only a stream the
    // shell left unset goes to its console.
    const bool hasOut = hasStandardHandle(STD_OUTPUT_HANDLE);
    const bool hasErr = hasStandardHandle(STD_ERROR_HANDLE);
    if ((!hasOut || !hasErr) && AttachConsole(ATTACH_PARENT_PROCESS)) {
        if (!hasOut)
            std::freopen("CONOUT$", "w", stdout);
        if (!hasErr)
            std::freopen("CONOUT$", "w", stderr);
    }
    const UINT codePage = GetConsoleOutputCP(); // 0 without a console
    if (codePage != 0 && codePage != CP_UTF8 && SetConsoleOutputCP(CP_UTF8)) {
        shellCodePage = codePage;
        std::atexit(restoreShellCodePage);
    }
    writeBytesAsGiven(stdout);
    writeBytesAsGiven(stderr);
}

#else

void prepareOutput() {}

#endif

} // namespace console
