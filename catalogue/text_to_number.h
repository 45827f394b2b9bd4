// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

namespace catalogue {

// The number a text begins with, leading blanks skipped; a text that does not
// begin with a number (the empty text included) gives 0. Reads the selectors'
// "0"/"1" and the catalogue's variable counts "2"/"3".
double textToNumber(std::string_view text);

} // namespace catalogue
