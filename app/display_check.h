#pragma once

// Without a display Qt would abort with a core dump and several lines of
// plugin diagnostics; the program says so in one line and exits instead.
namespace display {

// False (after printing the one line) when the platform needs a display and
// none is named in the environment.
bool reachable(const char *programName);

// Until the application object is built, turns the toolkit's fatal "no
// platform" failure (a display that is named but cannot be reached) into the
// same one line and exit code 1.
void guardPlatformStart(const char *programName);
void endPlatformGuard();

} // namespace display
