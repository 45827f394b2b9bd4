#pragma once

// Without a display Qt would abort with a core dump and several lines of
// plugin diagnostics; the program says so in one line and exits instead.
namespace display {

// Whether the program will start on a desktop window system, X or Wayland
// (the platform Qt picks by itself, or one of those two named), rather than
// on a platform that draws off screen.
bool onWindowSystem();

// False (after printing the one line) when the platform needs a display and
// none is named in the environment.
bool reachable(const char *programName);

// Until the application object is built, turns the toolkit's fatal "no
// platform" failure (a display that is named but cannot be reached) into the
// same one line and exit code 1.
void guardPlatformStart(const char *programName);
void endPlatformGuard();

} // namespace display
