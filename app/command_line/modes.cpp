// SPDX-License-Identifier: GPL-3.0-or-later
#include "mode.h"

namespace command_line {

Mode proofMode();
Mode sheetMode();
Mode kmapMode();
Mode deriveMode();
Mode simplifyMode();
Mode checkMode();
Mode exerciseMode();
Mode gradeMode();

const QList<Mode> &modes() {
    static const QList<Mode> all{
        proofMode(),    sheetMode(), kmapMode(),     deriveMode(),
        simplifyMode(), checkMode(), exerciseMode(), gradeMode(),
    };
    return all;
}

} // namespace command_line
