// SPDX-License-Identifier: GPL-3.0-or-later
#include "map_loops.h"

namespace {

struct Span {
    int first = 0;
    int length = 0;
    bool openBefore = false; // carries on from the far edge
    bool openAfter = false;  // carries on past the near edge
};

// A run of `length` cells from `first` along a side of `size` cells, split
// where it wraps. A run as long as the side is whole, not wrapped.
std::vector<Span> spans(int first, int length, int size) {
    if (length >= size)
        return {{0, size}};
    if (first + length <= size)
        return {{first, length}};
    return {{first, size - first, false, true}, {0, first + length - size, true, false}};
}

} // namespace

std::vector<LoopPiece> loopPieces(int rows, int columns, const derivations::MapGroup &group) {
    std::vector<LoopPiece> pieces;
    for (const Span &across : spans(group.top, group.height, rows))
        for (const Span &along : spans(group.left, group.width, columns))
            pieces.push_back({{across.first, along.first, across.length, along.length},
                              across.openBefore,
                              across.openAfter,
                              along.openBefore,
                              along.openAfter});
    return pieces;
}
