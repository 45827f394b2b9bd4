// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// An assignment as a worksheet, or with `key` as its answer key: the title,
// then each task's statement with room to work (lines under a proof, an
// empty truth table, an empty Karnaugh map in Gray order); the key fills
// them with the program's own answers (the derivation, the minimal form
// and its derivation, the table, the map and its groups, the law's name).
// One HTML page, saved for a browser or laid out as the proof sheets are.

#include "assignment.h"

#include <QString>

#include <optional>

QString assignmentSheetHtml(const homework::Assignment &assignment, bool key);

// A PDF (A4) where path ends in ".pdf", else the HTML page; written whole
// or not at all. On failure, a line that says why. Needs fonts (a
// QGuiApplication) for the PDF.
std::optional<QString> writeAssignmentSheet(const homework::Assignment &assignment, bool key,
                                            const QString &path);
