// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// How the program names itself to the desktop, the package and --version.

namespace program {

inline constexpr const char *executableName = "boolean-laws";
// Reverse-DNS id under the program's own domain: the desktop entry, the
// AppStream component and the icons carry this name.
inline constexpr const char *desktopId = "example.boolean_laws.BooleanLaws";
inline constexpr const char *version = BOOLEAN_LAWS_VERSION;

// Sets the application's name, version and desktop file name; safe to call
// before any application object exists.
void applyIdentity();

} // namespace program
