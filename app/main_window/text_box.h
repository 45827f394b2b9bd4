// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPlainTextEdit>

// Qt's own text box, whose context menu offers its own items (copy, select
// all) and then, after a separator, the items added to the box with
// addAction(): the other windows and the proof sheets.
class TextBox : public QPlainTextEdit {
    Q_OBJECT

public:
    using QPlainTextEdit::QPlainTextEdit;

protected:
    void contextMenuEvent(QContextMenuEvent *event) override;
};
