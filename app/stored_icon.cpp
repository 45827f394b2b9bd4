#include "stored_icon.h"

#include "stored_icon_pixels.h"

namespace program_icon {

QImage stored(int size) {
    for (const StoredPicture &picture : storedPictures) {
        if (picture.size != size)
            continue;
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        const unsigned char *index = picture.indices;
        for (int y = 0; y < size; ++y) {
            auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
            for (int x = 0; x < size; ++x)
                line[x] = picture.colours[*index++];
        }
        return image;
    }
    return {};
}

} // namespace program_icon
