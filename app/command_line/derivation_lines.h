// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What --derive and --simplify share: a formula read or refused in the
// command line's words, and a derivation written one formula a line, as
// --check reads it back.

#include "mode.h"

#include "derivation_search.h"

#include <variant>

namespace command_line {

// The formula as typed, or the refusal naming it with the reader's message.
std::variant<formulas::Equation, Answer> readFormula(const Request &request, const QString &text);

// F, then "= formula  [law]" for each step, exit code 0; or the one line of
// a counterexample or of a search that gave up, exit code 1.
Answer derivationAnswer(const derivations::DeriveResult &result);

} // namespace command_line
