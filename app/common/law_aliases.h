// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The names a student may give a law in a chain besides the table's own:
// each law's and each catalogue row's name in every language the program
// ships, whatever the language of the run, so that a chain written in
// English passes a Bulgarian check and the other way round.

#include "law_table.h"

#include <vector>

namespace law_aliases {

const std::vector<derivations::LawAlias> &all();

} // namespace law_aliases
