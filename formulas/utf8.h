// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// UTF-8 to code points and back, and lower case for the letters the
// program's names and keys are written in (Latin and Cyrillic). Text that
// is not well-formed UTF-8 is read without a check: callers that take
// files test it first.

#include <string>
#include <string_view>

namespace formulas {

std::u32string toU32(std::string_view utf8);
std::string toUtf8(std::u32string_view text);

// A to Z, А to Я and Ѐ to Џ in lower case; every other code point as it is.
char32_t lowerLetter(char32_t c);

} // namespace formulas
