// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Which known mistake, if any, turns one formula into another: the rows of
// the law table's mistakes, matched as patterns at every node.

#include "law_table.h"
#include "working_form.h"

#include <optional>

namespace derivations {

// The first mistake in table order that gives `after` from `before` once at
// one place (up to the order and grouping of "^" and "v").
std::optional<MistakeId> mistakeBetween(const Tree &before, const Tree &after);

} // namespace derivations
