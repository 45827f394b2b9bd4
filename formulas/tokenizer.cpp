// SPDX-License-Identifier: GPL-3.0-or-later
#include "tokenizer.h"

#include "read_messages.h"

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
    switch (c) {
    case U'A':
    case U'B':
    case U'C':
        return take(TokenKind::Variable, 1);
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
    case U'X':
        if (followedBy(U"or"))
            return take(TokenKind::Xor, 3);
        return messages::errorAt(position, messages::expectedXor);
    case U'-':
        if (followedBy(U">"))
            return take(TokenKind::Implies, 2);
        return messages::errorAt(position, messages::expectedImplication);
    case U'<':
        if (followedBy(U"-->"))
            return take(TokenKind::Equivalent, 4);
        return messages::errorAt(position, messages::expectedEquivalence);
    default:
        return messages::unknownCharacter(position, c);
    }
}

} // namespace formulas
