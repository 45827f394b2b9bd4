// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The window's places and sizes are given in twips; at 96 dots per inch a
// logical pixel is 15 twips. Qt scales logical pixels on high-density screens.

#include <QRect>
#include <QSize>

inline constexpr int twipsPerPixel = 15;

constexpr int twipsToPixels(int twips) { return twips / twipsPerPixel; }

constexpr QRect twipsRect(int left, int top, int width, int height) {
    return {twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height)};
}

constexpr QSize twipsSize(int width, int height) { return {twipsToPixels(width), twipsToPixels(height)}; }
