// SPDX-License-Identifier: GPL-3.0-or-later
#include "mode.h"

namespace command_line {

Mode proofMode();
Mode sheetMode();

const QList<Mode> &modes() {
    static const QList<Mode> all{
        proofMode(),
        sheetMode(),
    };
    return all;
}

} // namespace command_line
