// SPDX-License-Identifier: GPL-3.0-or-later
#include "text_to_number.h"

#include <charconv>

namespace catalogue {

double textToNumber(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return 0;
    text.remove_prefix(first);
    // from_chars reads a minus but no plus; neither may stand before a blank.
    if (text.starts_with('+') && !text.starts_with("+-"))
        text.remove_prefix(1);
    double value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
    return value + 0.0; // + 0.0 turns "-0" into 0
}

} // namespace catalogue
