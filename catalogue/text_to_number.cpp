// SPDX-License-Identifier: GPL-3.0-or-later
#include "text_to_number.h"

namespace catalogue {

namespace {
bool isDigit(char c) { return c >= '0' && c <= '9'; }
} // namespace

double textToNumber(std::string_view text) {
    std::size_t at = 0;
    while (at < text.size() && (text[at] == ' ' || text[at] == '\t'))
        ++at;

    double sign = 1;
    if (at < text.size() && (text[at] == '-' || text[at] == '+')) {
        if (text[at] == '-')
            sign = -1;
        ++at;
    }

    double value = 0;
    for (; at < text.size() && isDigit(text[at]); ++at)
        value = value * 10 + (text[at] - '0');
    if (at < text.size() && text[at] == '.') {
        double scale = 0.1;
        for (++at; at < text.size() && isDigit(text[at]); ++at, scale /= 10)
            value += (text[at] - '0') * scale;
    }
    return sign * value + 0.0; // + 0.0 turns "-0" into 0
}

} // namespace catalogue
