// SPDX-License-Identifier: GPL-3.0-or-later
#include "utf8_decoder.h"

#include "read_messages.h"

namespace formulas {

namespace {

struct Lead {
    std::size_t length; // bytes in the character, 0 where the byte cannot lead
    char32_t bits;      // the lead byte's share of the code point
    char32_t smallest;  // anything below is an overlong form
};

Lead leadOf(unsigned char byte) {
    if (byte < 0x80)
        return {1, byte, 0};
    if ((byte & 0xE0) == 0xC0)
        return {2, byte & 0x1Fu, 0x80};
    if ((byte & 0xF0) == 0xE0)
        return {3, byte & 0x0Fu, 0x800};
    if ((byte & 0xF8) == 0xF0)
        return {4, byte & 0x07u, 0x10000};
    return {0, 0, 0};
}

} // namespace

std::variant<std::u32string, ReadError> decodeUtf8(std::string_view bytes) {
    std::u32string characters;
    for (std::size_t at = 0; at < bytes.size();) {
        if (characters.size() == maxFormulaLength)
            return messages::tooLong();
        const auto byte = static_cast<unsigned char>(bytes[at]);
        const Lead lead = leadOf(byte);
        const std::size_t position = characters.size() + 1;
        if (lead.length == 0 || bytes.size() - at < lead.length)
            return messages::invalidUtf8(position, byte);
        char32_t code = lead.bits;
        for (std::size_t i = 1; i < lead.length; ++i) {
            const auto next = static_cast<unsigned char>(bytes[at + i]);
            if ((next & 0xC0) != 0x80)
                return messages::invalidUtf8(position, byte);
            code = (code << 6) | (next & 0x3Fu);
        }
        if (code < lead.smallest || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            return messages::invalidUtf8(position, byte);
        characters += code;
        at += lead.length;
    }
    return characters;
}

} // namespace formulas
