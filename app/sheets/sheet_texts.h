// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>

// The context of the proof sheets' texts, for translators: ProofSheet::tr().
struct ProofSheet {
    Q_DECLARE_TR_FUNCTIONS(ProofSheet)
};
