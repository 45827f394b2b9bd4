#pragma once

#include "program_icon.h"

#include <QRgb>

#include <array>
#include <iterator>

namespace program_icon {

// One picture: its premultiplied colours and, row by row, each pixel's
// place among them. Written by store_icon_pixels when the program is built.
struct StoredPicture {
    int size;
    const QRgb *colours;
    const unsigned char *indices;
};

extern const std::array<StoredPicture, std::size(windowSystemSizes)> storedPictures;

} // namespace program_icon
