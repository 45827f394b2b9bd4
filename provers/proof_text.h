// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The text a prover writes. A prover only appends; each append takes a whole
// piece list, literals and values in the order they are printed.

#include "value.h"

#include <concepts>
#include <string>
#include <string_view>

namespace provers {

template <class T>
concept Piece = Operand<T> || std::convertible_to<const T &, std::string_view>;

class ProofText {
public:
    // Room for the longest proof with its header, so appending never moves it.
    ProofText() { text_.reserve(512); }

    template <Piece... Pieces> void append(const Pieces &...pieces) { (appendPiece(pieces), ...); }

    const std::string &text() const { return text_; }

private:
    // Out of line: a proof has dozens of pieces, and a call each keeps the
    // provers' code a fraction of the size that copying the append into
    // every one of them would.
    void appendPiece(std::string_view literal);
    void appendPiece(Number n);
    void appendPiece(Boolean b);

    std::string text_;
};

} // namespace provers
