// SPDX-License-Identifier: GPL-3.0-or-later
#include "derivation_opening.h"

#include "derivation_window.h"
#include "inf_tarvisko.h"
#include "law_selection.h"
#include "truth_table_window.h"
#include "wording.h"

#include <QAction>
#include <QApplication>
#include <QScreen>

namespace {

class DerivationOpening {
    Q_DECLARE_TR_FUNCTIONS(DerivationOpening)

public:
    static QString menuItem() { return tr("Извеждане…"); }
};

// Right of the main window where the screen has room, so that the law's
// proof and the chain show together; elsewhere the desktop places it.
void placeBeside(QWidget &window, const QWidget &main) {
    window.adjustSize();
    const QRect screen = main.screen()->availableGeometry();
    const QPoint at = main.frameGeometry().topRight() + QPoint(1, 0);
    if (screen.contains(QRect(at, window.frameSize())))
        window.move(at);
}

void open(Inf_Tarvisko &main) {
    auto *window = main.findChild<DerivationWindow *>(QString(), Qt::FindDirectChildrenOnly);
    if (window && window->isVisible()) {
        window->raise();
        window->activateWindow();
        return;
    }
    // Asked for from the truth-table window: its edited formula, if any.
    const bool fromTable = qobject_cast<TruthTableWindow *>(QApplication::activeWindow()) != nullptr;
    const QString formula = main.selection()->tableFormula();
    if (!window) {
        window = new DerivationWindow(*main.selection(), &main);
        placeBeside(*window, main);
    }
    if (fromTable && !formula.isEmpty())
        window->startOnFormula(formula);
    else
        window->startOnLaw(main.selection()->law());
    window->show();
    window->activateWindow();
}

} // namespace

QAction *attachDerivationWindow(Inf_Tarvisko &main) {
    auto *opening = new QAction(&main);
    (new Wording(&main))->add([opening] { opening->setText(DerivationOpening::menuItem()); });
    opening->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
    main.addToContextMenus(opening);
    QObject::connect(opening, &QAction::triggered, &main, [&main] { open(main); });
    return opening;
}
