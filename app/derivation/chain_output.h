// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The chain kept for later: saved as a text file that the command line's
// --check reads (or as a PDF), or printed through the proof sheets' pages.
// A failure is shown in a message box.

#include <QString>

#include <optional>

class DerivationChain;
class QWidget;

void saveChainWithDialog(QWidget *parent, const DerivationChain &chain, const QString &subject,
                         const QString &goalText);
void printChainWithDialog(QWidget *parent, const DerivationChain &chain, const QString &subject,
                          const QString &goalText);

// Writes the chain's text file; on failure, a line that says why.
std::optional<QString> writeChainFile(const DerivationChain &chain, const QString &goalText,
                                      const QString &path);
