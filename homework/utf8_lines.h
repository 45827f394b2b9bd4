// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The teachers' and students' files are UTF-8 text of lines; these are the
// few things their readers do with such text.

#include "utf8.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace homework {

// The largest file either reader takes: a class's work is far smaller.
inline constexpr std::size_t maxFileSize = 1024 * 1024;

// Well-formed UTF-8: no stray continuation bytes, no overlong forms, no
// surrogates, nothing past U+10FFFF.
bool isUtf8(std::string_view bytes);

// The text without a leading byte-order mark, cut at "\n" with a "\r"
// before it dropped; the last line is kept only if it holds something.
std::vector<std::string_view> linesOf(std::string_view text);

// Without blanks (spaces, tabs) at either end.
std::string_view trimmed(std::string_view text);

using formulas::toU32;
using formulas::toUtf8;

// Lower case for Latin and Bulgarian Cyrillic letters, so that keys and
// level names may be written "Докажи:" or "PROVE:".
std::string lowered(std::string_view utf8);

// A "key: value" line: the key before the first ":" (lowered, trimmed) and
// the value after it (trimmed). No colon: the key is the whole line and
// hasColon is false.
struct KeyedLine {
    std::string key;
    std::string_view value;
    bool hasColon = false;
};
KeyedLine keyedLine(std::string_view line);

// A line that begins with a key and a colon: words of two letters or more,
// Latin or Cyrillic, single blanks between them ("оценка: 6", "Hints:").
// Formulas hold no such word, so such a line is never work.
bool looksLikeKey(std::string_view line);

} // namespace homework
