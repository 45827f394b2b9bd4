// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>

// The program's icon, a small truth table: three headers coloured like the
// selectors of A, B and C over rows of cells, as pictures compiled into the
// program (made from app/icons/boolean-laws.svg by scripts/render-icons.sh).
namespace program_icon {

QIcon make();

} // namespace program_icon
