// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Splits a formula into its symbols one at a time, skipping blanks, so that
// the reader meets an unknown character only where it gets to it.

#include "formula.h"

#include <cstddef>
#include <string_view>
#include <variant>

namespace formulas {

enum class TokenKind { Variable, Constant, Not, And, Or, Xor, Implies, Equivalent, Open, Close, Equals, End };

struct Token {
    TokenKind kind = TokenKind::End;
    std::size_t position = 0; // 1-based, of the token's first character
    char symbol = 0;          // 'A' to 'Z', '0' or '1' for variables and constants
};

class Tokenizer {
public:
    explicit Tokenizer(std::u32string_view text) : text_(text) {}

    // The next token; End (one past the last character) once the text is
    // used up, again and again.
    std::variant<Token, ReadError> next();

private:
    bool followedBy(std::u32string_view rest) const;

    std::u32string_view text_;
    std::size_t at_ = 0; // 0-based
};

} // namespace formulas
