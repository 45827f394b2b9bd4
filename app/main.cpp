// SPDX-License-Identifier: GPL-3.0-or-later
#include "command_line.h"
#include "derivation_opening.h"
#include "display_check.h"
#include "inf_tarvisko.h"
#include "karnaugh_window.h"
#include "law_selection.h"
#include "program_identity.h"
#include "proof_sheet_actions.h"
#include "qt_translation.h"
#include "truth_table_window.h"

#include <QApplication>

int main(int argc, char *argv[]) {
    // Any argument is answered (--help, --version) or refused without a
    // display; only a bare start opens the window.
    if (argc > 1)
        return command_line::answerAndExit(argc, argv);

    const char *programName = argc > 0 ? argv[0] : program::executableName;
    if (!display::reachable(programName))
        return 1;

    program::applyIdentity();
    display::guardPlatformStart(programName);
    QApplication application(argc, argv);
    display::endPlatformGuard();
    qt_translation::installBulgarian(application);

    // One selection, shown and set by every window.
    LawSelection selection;
    Inf_Tarvisko window(&selection);
    TruthTableWindow::attachTo(window);
    KarnaughWindow::attachTo(window);
    attachDerivationWindow(window);
    addProofSheetItems(window);
    window.show();
    return application.exec();
}
