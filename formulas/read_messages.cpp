// SPDX-License-Identifier: GPL-3.0-or-later
#include "read_messages.h"

#include <cstdio>

namespace formulas::messages {

namespace {

std::string utf8Of(char32_t c) {
    std::string text;
    if (c < 0x80) {
        text += static_cast<char>(c);
    } else if (c < 0x800) {
        text += static_cast<char>(0xC0 | (c >> 6));
        text += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        text += static_cast<char>(0xE0 | (c >> 12));
        text += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        text += static_cast<char>(0xF0 | (c >> 18));
        text += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        text += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (c & 0x3F));
    }
    return text;
}

// Control and format characters, invisible blanks, combining marks and
// non-characters would show as nothing, or garble the message around them.
bool showsAsItself(char32_t c) {
    const auto within = [c](char32_t first, char32_t last) { return c >= first && c <= last; };
    return !(c < 0x21 || within(0x7F, 0xA0) || c == 0xAD || within(0x0300, 0x036F) || c == 0x1680 ||
             within(0x2000, 0x200F) || within(0x2028, 0x202F) || within(0x205F, 0x206F) || c == 0x3000 ||
             c == 0xFEFF || within(0xFFF0, 0xFFFF) || within(0xE000, 0xF8FF) || within(0xF0000, 0x10FFFF) ||
             (c & 0xFFFE) == 0xFFFE);
}

std::string hex(unsigned value, int digits) {
    char text[16];
    std::snprintf(text, sizeof text, "%0*X", digits, value);
    return text;
}

} // namespace

ReadError errorAt(std::size_t position, std::string_view what) {
    std::string message = "Грешка на позиция " + std::to_string(position) + ": ";
    message += what;
    return {position, std::move(message)};
}

ReadError unknownCharacter(std::size_t position, char32_t character) {
    const std::string named =
        showsAsItself(character) ? "„" + utf8Of(character) + "“" : "U+" + hex(unsigned(character), 4);
    return errorAt(position, "непознат знак " + named);
}

ReadError invalidUtf8(std::size_t position, unsigned char byte) {
    return errorAt(position, "текстът не е в UTF-8 (байт 0x" + hex(byte, 2) + ")");
}

ReadError tooLong() {
    return errorAt(maxFormulaLength + 1,
                   "формулата е по-дълга от " + std::to_string(maxFormulaLength) + " знака");
}

} // namespace formulas::messages
