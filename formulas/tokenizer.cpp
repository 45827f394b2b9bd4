// SPDX-License-Identifier: GPL-3.0-or-later
#include "tokenizer.h"

namespace formulas {

bool Tokenizer::followedBy(std::u32string_view rest) const { return text_.substr(at_ + 1).starts_with(rest); }

std::variant<Token, ReadError> Tokenizer::next() {
    while (at_ < text_.size() && (text_[at_] == U' ' || text_[at_] == U'\t'))
        ++at_;
    const std::size_t position = at_ + 1;
    if (at_ == text_.size())
        return Token{TokenKind::End, position};
    const char32_t c = text_[at_];
    const auto take = [&](TokenKind kind, std::size_t length) {
        at_ += length;
        return Token{kind, position, static_cast<char>(c)};
    };
    // "Xor" is the operator wherever it stands, before X the variable.
    if (c == U'X' && followedBy(U"or"))
        return take(TokenKind::Xor, 3);
    if (c >= U'A' && c <= U'Z')
        return take(TokenKind::Variable, 1);
    switch (c) {
    case U'0':
    case U'1':
        return take(TokenKind::Constant, 1);
    case U'!':
        return take(TokenKind::Not, 1);
    case U'^':
        return take(TokenKind::And, 1);
    case U'v':
        return take(TokenKind::Or, 1);
    case U'(':
        return take(TokenKind::Open, 1);
    case U')':
        return take(TokenKind::Close, 1);
    case U'=':
        return take(TokenKind::Equals, 1);
    case U'-':
        if (followedBy(U">"))
            return take(TokenKind::Implies, 2);
        return ReadError{ReadErrorCode::ExpectedImplication, position};
    case U'<':
        if (followedBy(U"-->"))
            return take(TokenKind::Equivalent, 4);
        return ReadError{ReadErrorCode::ExpectedEquivalence, position};
    default:
        return ReadError{ReadErrorCode::UnknownCharacter, position, c};
    }
}

} // namespace formulas
