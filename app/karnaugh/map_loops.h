// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What a map draws over its cells: the loops of groups and the marks of
// single cells. A group on a Karnaugh map lies on a torus, so on the flat
// table it falls into up to four pieces; a piece cut by an edge is left open
// there, as a loop that carries on at the other side.

#include "karnaugh.h"

#include <QColor>

#include <vector>

struct MapLoop {
    enum class Style { Solid, Dashed, Ring }; // Ring: a circle around each cell, for a 1 left uncovered
    derivations::MapGroup group;
    QColor colour;
    Style style = Style::Solid;
};

// One rectangle of a group as the flat table shows it, in cells; an open side
// continues past that edge of the map.
struct LoopPiece {
    derivations::MapGroup cells; // never wraps
    bool openTop = false, openBottom = false, openLeft = false, openRight = false;
    friend bool operator==(const LoopPiece &, const LoopPiece &) = default;
};

std::vector<LoopPiece> loopPieces(int rows, int columns, const derivations::MapGroup &group);
