// SPDX-License-Identifier: GPL-3.0-or-later
#include "formula_reader.h"

#include "tokenizer.h"

#include <bit>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace formulas {

namespace {

// How tightly an operator binds, tightest highest; 0 for anything else.
int bindingOf(TokenKind kind) {
    switch (kind) {
    case TokenKind::Not:
        return 6;
    case TokenKind::And:
        return 5;
    case TokenKind::Or:
        return 4;
    case TokenKind::Xor:
        return 3;
    case TokenKind::Implies:
        return 2;
    case TokenKind::Equivalent:
        return 1;
    default:
        return 0;
    }
}

bool isBinary(TokenKind kind) { return bindingOf(kind) >= 1 && bindingOf(kind) <= 5; }

PostfixStep stepOf(const Token &token) {
    switch (token.kind) {
    case TokenKind::Variable:
        return {Step::Variable, std::uint8_t(token.symbol - 'A')};
    case TokenKind::Constant:
        return {token.symbol == '1' ? Step::True : Step::False};
    case TokenKind::Not:
        return {Step::Not};
    case TokenKind::And:
        return {Step::And};
    case TokenKind::Or:
        return {Step::Or};
    case TokenKind::Xor:
        return {Step::Xor};
    case TokenKind::Implies:
        return {Step::Implies};
    default:
        return {Step::Equivalent};
    }
}

ReadError errorAt(std::size_t position, ReadErrorCode code) { return {code, position}; }

// Reads token by token, either expecting an operand (a variable, constant,
// "!" or "(") or what may follow one (an operator, ")", "=" or the end).
class Reader {
public:
    explicit Reader(std::u32string_view text) : tokens_(text) {}

    std::variant<ReadFormula, ReadError> read() {
        while (!done_) {
            auto next = tokens_.next();
            if (auto *error = std::get_if<ReadError>(&next))
                return std::move(*error);
            const Token token = std::get<Token>(next);
            auto error = expectingOperand_ ? takeOperand(token) : takeFollower(token);
            if (error)
                return std::move(*error);
        }
        return std::move(formula_);
    }

private:
    std::optional<ReadError> takeOperand(const Token &token) {
        switch (token.kind) {
        case TokenKind::Variable:
            if (auto error = use(token))
                return error;
            [[fallthrough]];
        case TokenKind::Constant:
            side_.push_back(stepOf(token));
            expectingOperand_ = false;
            break;
        case TokenKind::Open:
            ++openParentheses_;
            [[fallthrough]];
        case TokenKind::Not:
            pending_.push_back(token);
            break;
        case TokenKind::Equals:
            if (seenEquals_)
                return errorAt(token.position, ReadErrorCode::SecondEquals);
            if (sideTokens_ == 0)
                return errorAt(token.position, ReadErrorCode::EmptyLeftSide);
            return errorAt(token.position, ReadErrorCode::ExpectedOperand);
        case TokenKind::End:
            if (sideTokens_ == 0 && !seenEquals_)
                return errorAt(1, ReadErrorCode::EmptyFormula);
            if (sideTokens_ == 0)
                return errorAt(token.position, ReadErrorCode::EmptyRightSide);
            return errorAt(token.position, ReadErrorCode::ExpectedOperand);
        default:
            return errorAt(token.position, ReadErrorCode::ExpectedOperand);
        }
        ++sideTokens_;
        return std::nullopt;
    }

    std::optional<ReadError> takeFollower(const Token &token) {
        if (isBinary(token.kind)) {
            placeBinary(token);
            expectingOperand_ = true;
            return std::nullopt;
        }
        switch (token.kind) {
        case TokenKind::Close:
            if (openParentheses_ == 0)
                return errorAt(token.position, ReadErrorCode::CloseWithoutOpen);
            while (pending_.back().kind != TokenKind::Open)
                moveTopToSide();
            pending_.pop_back();
            --openParentheses_;
            return std::nullopt;
        case TokenKind::Equals:
            if (seenEquals_)
                return errorAt(token.position, ReadErrorCode::SecondEquals);
            if (openParentheses_ > 0)
                break;
            finishSide();
            seenEquals_ = true;
            sideTokens_ = 0;
            expectingOperand_ = true;
            return std::nullopt;
        case TokenKind::End:
            if (openParentheses_ > 0)
                return errorAt(token.position, ReadErrorCode::ExpectedClose);
            finishSide();
            done_ = true;
            return std::nullopt;
        default:
            break;
        }
        return errorAt(token.position, openParentheses_ > 0 ? ReadErrorCode::ExpectedOperatorOrClose
                                       : seenEquals_        ? ReadErrorCode::ExpectedOperator
                                                            : ReadErrorCode::ExpectedOperatorOrEquals);
    }

    std::optional<ReadError> use(const Token &token) {
        const std::uint32_t letter = std::uint32_t(1) << (token.symbol - 'A');
        if (!(formula_.letters & letter) && std::popcount(formula_.letters) == int(maxVariables))
            return ReadError{ReadErrorCode::TooManyVariables, token.position, char32_t(token.symbol)};
        formula_.letters |= letter;
        return std::nullopt;
    }

    // Operators that bind at least as tightly go first; "->" waits for the
    // rest of its right side, as it groups from the right.
    void placeBinary(const Token &binary) {
        const int binding = bindingOf(binary.kind);
        const bool groupsFromRight = binary.kind == TokenKind::Implies;
        while (!pending_.empty() && pending_.back().kind != TokenKind::Open) {
            const int waiting = bindingOf(pending_.back().kind);
            if (waiting < binding || (waiting == binding && groupsFromRight))
                break;
            moveTopToSide();
        }
        pending_.push_back(binary);
    }

    void moveTopToSide() {
        side_.push_back(stepOf(pending_.back()));
        pending_.pop_back();
    }

    void finishSide() {
        while (!pending_.empty())
            moveTopToSide();
        if (seenEquals_)
            formula_.right = std::move(side_);
        else
            formula_.left = std::move(side_);
        side_ = {};
    }

    Tokenizer tokens_;
    ReadFormula formula_;
    Postfix side_;
    std::vector<Token> pending_; // operators and "(" whose operands are not all read yet
    std::size_t openParentheses_ = 0;
    std::size_t sideTokens_ = 0;
    bool expectingOperand_ = true;
    bool seenEquals_ = false;
    bool done_ = false;
};

} // namespace

std::variant<ReadFormula, ReadError> readFormula(std::u32string_view text) {
    if (text.size() > maxFormulaLength)
        return ReadError{ReadErrorCode::TooLong, maxFormulaLength + 1};
    return Reader(text).read();
}

} // namespace formulas
