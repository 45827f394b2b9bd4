// Writes the icon's pictures at the window system's sizes as C++ source, for
// the program to keep instead of drawing them at every start:
//   store_icon_pixels OUTPUT.cpp

#include "icon_drawing.h"
#include "program_icon.h"

#include <cstdio>
#include <map>
#include <vector>

int main(int argc, char *argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT.cpp\n", argv[0]);
        return 2;
    }
    std::FILE *out = std::fopen(argv[1], "w");
    if (!out) {
        std::perror(argv[1]);
        return 1;
    }
    std::fprintf(out, "// Written by store_icon_pixels from the icon's drawing; not to be edited.\n"
                      "#include \"stored_icon_pixels.h\"\n\nnamespace program_icon {\nnamespace {\n");
    for (int size : program_icon::windowSystemSizes) {
        const QImage image = program_icon::drawn(QSize(size, size));
        std::map<QRgb, int> places;
        std::vector<QRgb> colours;
        std::fprintf(out, "const unsigned char indices%d[] = {", size);
        for (int y = 0; y < size; ++y) {
            const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
            std::fprintf(out, "\n   ");
            for (int x = 0; x < size; ++x) {
                const auto [place, added] = places.emplace(line[x], int(colours.size()));
                if (added)
                    colours.push_back(line[x]);
                std::fprintf(out, " %d,", place->second);
            }
        }
        std::fprintf(out, "\n};\n");
        if (colours.size() > 256) {
            std::fprintf(stderr, "%s: %zu colours at %d pixels, more than a byte can name\n", argv[0],
                         colours.size(), size);
            std::fclose(out);
            std::remove(argv[1]); // no half-written source for the next build to take
            return 1;
        }
        std::fprintf(out, "const QRgb colours%d[] = {", size);
        for (QRgb colour : colours)
            std::fprintf(out, " 0x%08x,", colour);
        std::fprintf(out, "};\n");
    }
    std::fprintf(
        out,
        "} // namespace\n\nconst std::array<StoredPicture, std::size(windowSystemSizes)> storedPictures{{\n");
    for (int size : program_icon::windowSystemSizes)
        std::fprintf(out, "    {%d, colours%d, indices%d},\n", size, size, size);
    std::fprintf(out, "}};\n\n} // namespace program_icon\n");
    return std::fclose(out) == 0 ? 0 : 1;
}
