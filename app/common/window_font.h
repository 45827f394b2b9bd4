// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>

// The window's font: Times New Roman, 12 points; where Times is missing, the
// serif with Cyrillic that the font system puts in its place.
QFont windowFont();
