// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Turns the bytes of a formula into characters, so that positions count
// characters and a Cyrillic letter is one character, not two bytes.

#include "formula.h"

#include <string>
#include <string_view>
#include <variant>

namespace formulas {

// Stops at the first byte that starts no valid UTF-8 character (overlong
// forms and surrogates included), or once the text has more than
// maxFormulaLength characters: pasted megabytes are never copied.
std::variant<std::u32string, ReadError> decodeUtf8(std::string_view bytes);

} // namespace formulas
