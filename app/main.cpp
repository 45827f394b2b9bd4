// SPDX-License-Identifier: GPL-3.0-or-later
#include "command_line.h"
#include "display_check.h"
#include "inf_tarvisko.h"
#include "language.h"
#include "language_menu.h"
#include "law_selection.h"
#include "program_identity.h"
#include "proof_sheet_actions.h"
#include "remembered_language.h"
#include "window_opening.h"

#include <QAction>
#include <QApplication>
#include <QMetaObject>

int main(int argc, char *argv[]) {
    // Any argument is answered (--help, --version) or refused without a
    // display; only a bare start, --language alone, or files to open open the window.
    const std::optional<language::Language> asked = command_line::askedLanguage(argc, argv);
    if (argc > 1)
        if (const std::optional<int> exitCode = command_line::answerAndExit(argc, argv))
            return *exitCode;
    // "boolean-laws FILE": an assignment (or its answers) to open in the window.
    const QStringList files = command_line::filesToOpen(argc, argv);

    const char *programName = argc > 0 ? argv[0] : program::executableName;
    if (!display::reachable(programName))
        return 1;

    program::applyIdentity();
    display::guardPlatformStart(programName);
    QApplication application(argc, argv);
    display::endPlatformGuard();
    // Bulgarian whatever the desktop's locale, unless asked for this run or
    // chosen in the menu before.
    language::apply(asked.value_or(language::remembered()));

    // One selection, shown and set by every window.
    LawSelection selection;
    Inf_Tarvisko window(&selection);
    const WindowOpening opening = attachWindowOpening(window);
    for (QAction *item : proofSheetItems(window, selection))
        window.addToContextMenus(item);
    attachLanguageMenu(window);
    window.show();
    if (!files.isEmpty()) // once the main window is on the screen, for a message box to stand over
        QMetaObject::invokeMethod(
            &window, [&opening, files] { opening.openAssignment(files); }, Qt::QueuedConnection);
    return application.exec();
}
