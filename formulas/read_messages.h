// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Every message the formula reader gives, in Bulgarian, each once. A message
// names the first character where reading went wrong and what was expected
// there.

#include "formula.h"

#include <string_view>

namespace formulas::messages {

inline constexpr std::string_view emptyFormula = "празна формула";
inline constexpr std::string_view emptyLeftSide = "празна лява страна преди „=“";
inline constexpr std::string_view emptyRightSide = "празна дясна страна след „=“";
inline constexpr std::string_view expectedOperand = "очаква се променлива (A, B, C), 0, 1, „!“ или „(“";
inline constexpr std::string_view expectedOperator = "очаква се оператор (^, v, Xor, ->, <-->)";
inline constexpr std::string_view orEquals = " или „=“";
inline constexpr std::string_view orClose = " или „)“";
inline constexpr std::string_view expectedClose = "очаква се „)“";
inline constexpr std::string_view closeWithoutOpen = "„)“ няма своя „(“";
inline constexpr std::string_view secondEquals = "второ „=“ не е позволено";
inline constexpr std::string_view expectedXor = "очаква се „Xor“";
inline constexpr std::string_view expectedImplication = "очаква се „->“";
inline constexpr std::string_view expectedEquivalence = "очаква се „<-->“";

// "Грешка на позиция N: " and what.
ReadError errorAt(std::size_t position, std::string_view what);

// Names the character between quotes, or as U+XXXX where it would not show.
ReadError unknownCharacter(std::size_t position, char32_t character);
ReadError invalidUtf8(std::size_t position, unsigned char byte);
ReadError tooLong();

} // namespace formulas::messages
