#pragma once

#include <QImage>

// The icon's pictures at the sizes the window hands to the window system,
// drawn when the program is built and kept in it as a few colours and one
// byte per pixel: the window's start does not draw them.
namespace program_icon {

// The stored picture of size x size pixels, or a null image when none is
// stored at that size.
QImage stored(int size);

} // namespace program_icon
