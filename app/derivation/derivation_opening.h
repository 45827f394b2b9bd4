// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// How the derivation window is opened: "Извеждане…" (Ctrl+D) in the main
// window's context menus, which the truth-table window's table offers too.
// A window already open is raised as
// it is; a new or closed one starts on the chosen law, or, asked for from
// the truth-table window, on the formula edited there.

class Inf_Tarvisko;
class QAction;

QAction *attachDerivationWindow(Inf_Tarvisko &main);
