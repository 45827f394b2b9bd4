// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// A truth value as the tables write it: 0 or 1.
inline QString digit(bool value) { return value ? QStringLiteral("1") : QStringLiteral("0"); }
