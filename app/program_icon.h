#pragma once

#include <QIcon>

// The program's icon, a small truth table: three headers coloured like the
// selectors of A, B and C over rows of cells, a filled cell a 1 and an empty
// one a 0. It is drawn at whatever size is asked for, so a high-density
// screen gets a sharp picture, and nothing is decoded from image files; the
// window system's sizes are drawn when the program is built.
namespace program_icon {

// The sizes installed for the desktop, which shows the large ones (menus,
// overviews) from there.
inline constexpr int installedSizes[] = {32, 48, 64, 128, 256};

// The sizes the window hands to the window system when it is first shown: a
// title bar, task bar or window switcher needs no more.
inline constexpr int windowSystemSizes[] = {32, 48, 64, 128};

QIcon make();

} // namespace program_icon
