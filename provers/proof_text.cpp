// SPDX-License-Identifier: GPL-3.0-or-later
#include "proof_text.h"

namespace provers {

void ProofText::appendPiece(std::string_view literal) { text_ += literal; }

void ProofText::appendPiece(Number n) { text_ += textForm(n); }

void ProofText::appendPiece(Boolean b) { text_ += textForm(b); }

} // namespace provers
