// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The result box's text for a law and values of A, B (and C), as the command
// line prints it and the proof sheets carry it: "\n" line ends, every blank
// kept.

#include "law_catalogue.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace shown_proof {

inline constexpr int lawCount = int(catalogue::lawCatalogue.size());

// The digits of A, B and C; C stays 0 for a law of two variables, whose
// provers never read it.
using Assignment = std::array<int, 3>;

// 2 or 3: the catalogue's count for row index `row` (0 is law 1).
int variableCount(int row);

// Every assignment of the law's variables in counting order: 00 to 11, or
// 000 to 111, A the most significant digit.
std::vector<Assignment> assignmentsOf(int row);

std::string proofText(int row, const Assignment &values);
// The same with the header naming the law as `name` (a translated name,
// its blanks and colon as they are to show); the other lines are the same.
std::string proofText(int row, const Assignment &values, std::string_view name);

// "A = 1, B = 0, C = 1": the values a proof is for, as its caption.
std::string captionOf(int row, const Assignment &values);

} // namespace shown_proof
