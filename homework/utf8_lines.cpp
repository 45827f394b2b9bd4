// SPDX-License-Identifier: GPL-3.0-or-later
#include "utf8_lines.h"

#include "utf8.h"

namespace homework {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

// The code point starting at bytes[at], and how many bytes it takes; the
// text is already known to be well-formed.
char32_t decodeAt(std::string_view bytes, std::size_t at, std::size_t &length) {
    const auto lead = static_cast<unsigned char>(bytes[at]);
    length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    char32_t c = length == 1 ? lead : length == 2 ? lead & 0x1F : length == 3 ? lead & 0x0F : lead & 0x07;
    for (std::size_t i = 1; i < length && at + i < bytes.size(); ++i)
        c = (c << 6) | (static_cast<unsigned char>(bytes[at + i]) & 0x3F);
    return c;
}

bool isLowerLetter(char32_t c) { return (c >= U'a' && c <= U'z') || (c >= 0x0430 && c <= 0x045F); }

} // namespace

bool isUtf8(std::string_view bytes) {
    for (std::size_t i = 0; i < bytes.size();) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        std::size_t length = 0;
        char32_t least = 0;
        if (lead < 0x80)
            length = 1;
        else if (lead >= 0xC2 && lead < 0xE0)
            length = 2, least = 0x80;
        else if (lead >= 0xE0 && lead < 0xF0)
            length = 3, least = 0x800;
        else if (lead >= 0xF0 && lead < 0xF5)
            length = 4, least = 0x10000;
        else
            return false;
        if (i + length > bytes.size())
            return false;
        for (std::size_t k = 1; k < length; ++k)
            if ((static_cast<unsigned char>(bytes[i + k]) & 0xC0) != 0x80)
                return false;
        std::size_t decoded = 0;
        const char32_t c = decodeAt(bytes, i, decoded);
        if (c < least || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
            return false;
        i += length;
    }
    return true;
}

std::vector<std::string_view> linesOf(std::string_view text) {
    if (text.substr(0, 3) == "\xEF\xBB\xBF")
        text.remove_prefix(3);
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        lines.push_back(line);
        if (end == std::string_view::npos)
            break;
        text.remove_prefix(end + 1);
    }
    return lines;
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

std::string lowered(std::string_view utf8) {
    std::u32string text = toU32(utf8);
    for (char32_t &c : text)
        c = formulas::lowerLetter(c);
    return toUtf8(text);
}

KeyedLine keyedLine(std::string_view line) {
    const std::size_t colon = line.find(':');
    if (colon == std::string_view::npos)
        return {lowered(trimmed(line)), {}, false};
    return {lowered(trimmed(line.substr(0, colon))), trimmed(line.substr(colon + 1)), true};
}

bool looksLikeKey(std::string_view line) {
    const std::size_t colon = line.find(':');
    if (colon == std::string_view::npos)
        return false;
    // Words of two letters or more: a formula's letters stand one by one.
    const std::u32string key = toU32(lowered(trimmed(line.substr(0, colon))));
    std::size_t word = 0;
    for (const char32_t c : key) {
        if (isLowerLetter(c))
            ++word;
        else if (c == U' ' && word >= 2)
            word = 0;
        else
            return false;
    }
    return word >= 2;
}

} // namespace homework
