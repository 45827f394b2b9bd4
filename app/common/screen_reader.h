// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What a screen reader is told of the program's windows and controls.

class QString;
class QWidget;

namespace screen_reader {

// The control's accessible name; its description is the tool-tip a sighted
// user reads, so set the tool-tip first.
void describe(QWidget *control, const QString &name);
// The same, with the tool-tip set first.
void describe(QWidget *control, const QString &name, const QString &toolTip);

// A plain top-level widget reads as a "filler" pane; a reader announces a
// window (its title, when it becomes active) only for the Window role. The
// main window is a plain QWidget, because its controls stand at fixed places
// from its top-left corner, which a QMainWindow's frame of bars would move;
// it alone calls this from its constructor. The other windows are
// QMainWindows, which Qt reads as windows itself.
void readAsWindow(QWidget *window);

} // namespace screen_reader
