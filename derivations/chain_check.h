// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A student's whole chain, one formula a line, checked step by step. Empty
// lines and lines beginning with "#" are skipped; a line may begin with "="
// and may end in "  [<law name>]", the law the student claims, named in
// any case, with or without a trailing colon.

#include "formula.h"
#include "step_check.h"

#include <cstddef>
#include <string_view>
#include <variant>
#include <vector>

namespace derivations {

struct CheckedStep {
    std::size_t line; // of the step's later formula, counting every line from 1
    StepVerdict verdict;
};

struct ChainReport {
    std::vector<CheckedStep> steps;
    std::size_t equivalentSteps = 0; // "вярно", "вярно, но…", unchanged and "голяма стъпка"
};

struct ChainError {
    std::size_t line;
    formulas::ReadError error; // a formula standing after a law's name counts as an operator expected
};

// aliases: other names of the laws (another language's) that a claim may use.
std::variant<ChainReport, ChainError> checkChain(std::u32string_view text,
                                                 const std::vector<LawAlias> &aliases = {});

} // namespace derivations
