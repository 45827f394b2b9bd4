// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Without a display Qt would abort with a core dump and several lines of
// plugin diagnostics; where the display is the trouble, the program says so
// in one line and exits instead. Any other failure of the platform (a
// mistyped platform name, a missing library) keeps Qt's own words, since
// they name the fault, and still exits with code 1 rather than a core dump.
namespace display {

// Whether the program will start on a desktop window system, X or Wayland
// (the platform Qt picks by itself, or one of those two named), rather than
// on a platform that draws off screen.
bool onWindowSystem();

// False (after printing the one line) when the platform needs a display and
// none is named in the environment.
bool reachable(const char *programName);

// Until the application object is built, watches the platform's start: a
// display that is named but cannot be reached gets the same one line.
void guardPlatformStart(const char *programName);
void endPlatformGuard();

} // namespace display
