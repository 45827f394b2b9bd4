// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// On Windows the program is a window program, which gets no console of its
// own: the command-line modes would write nowhere when started from cmd.exe
// or PowerShell. There it joins the console of the shell that started it,
// switches that console to UTF-8 while it writes (Cyrillic in any code page),
// and writes plain UTF-8 bytes with "\n" line ends to pipes and files, as on
// Linux. Elsewhere the standard streams are already right and nothing is done.
namespace console {

// Call first in main(), before anything is written.
void prepareOutput();

} // namespace console
