// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The two kinds of value a prover works with. A Number prints as its decimal
// integer text ("0", "1", "-1", "2"), a Boolean as the English word "True" or
// "False". The operators below decide the kind of their result, so a prover
// never chooses by hand how a value prints.

#include <concepts>
#include <cstdint>
#include <string>

namespace provers {

class Number {
public:
    constexpr explicit Number(double value) : value_(value) {}
    constexpr double value() const { return value_; }

private:
    double value_;
};

class Boolean {
public:
    constexpr explicit Boolean(bool value) : value_(value) {}
    constexpr bool isTrue() const { return value_; }

private:
    bool value_;
};

inline constexpr Boolean True{true};
inline constexpr Boolean False{false};

template <class T>
concept Operand = std::same_as<T, Number> || std::same_as<T, Boolean>;

// Arithmetic and comparisons see True as -1 and False as 0.
constexpr double numeric(Number n) { return n.value(); }
constexpr double numeric(Boolean b) { return b.isTrue() ? -1.0 : 0.0; }

// And, Or and Xor work bit by bit on 32-bit integers: a number is rounded to
// the nearest integer (halves to even), True is -1 and False is 0.
std::int32_t toInt32(Number n);
constexpr std::int32_t toInt32(Boolean b) { return b.isTrue() ? -1 : 0; }

namespace detail {
// Only two Booleans combine into a Boolean; any number among the operands
// makes the result a number.
template <Operand X, Operand Y, class Combine> auto bitwise(X x, Y y, Combine combine) {
    const std::int32_t bits = combine(toInt32(x), toInt32(y));
    if constexpr (std::same_as<X, Boolean> && std::same_as<Y, Boolean>)
        return Boolean{bits != 0};
    else
        return Number{static_cast<double>(bits)};
}
} // namespace detail

template <Operand X, Operand Y> auto And(X x, Y y) {
    return detail::bitwise(x, y, [](std::int32_t l, std::int32_t r) { return l & r; });
}

template <Operand X, Operand Y> auto Or(X x, Y y) {
    return detail::bitwise(x, y, [](std::int32_t l, std::int32_t r) { return l | r; });
}

template <Operand X, Operand Y> auto Xor(X x, Y y) {
    return detail::bitwise(x, y, [](std::int32_t l, std::int32_t r) { return l ^ r; });
}

template <Operand X, Operand Y> constexpr Number operator+(X x, Y y) {
    return Number{numeric(x) + numeric(y)};
}

template <Operand X, Operand Y> constexpr Number operator-(X x, Y y) {
    return Number{numeric(x) - numeric(y)};
}

template <Operand X, Operand Y> constexpr Number operator*(X x, Y y) {
    return Number{numeric(x) * numeric(y)};
}

// Comparisons give Booleans. They are named functions rather than C++
// operators so that a comparison never silently turns into a C++ bool.
template <Operand X, Operand Y> constexpr Boolean Equal(X x, Y y) {
    return Boolean{numeric(x) == numeric(y)};
}

template <Operand X, Operand Y> constexpr Boolean NotEqual(X x, Y y) {
    return Boolean{numeric(x) != numeric(y)};
}

template <Operand X, Operand Y> constexpr Boolean Less(X x, Y y) { return Boolean{numeric(x) < numeric(y)}; }

template <Operand X, Operand Y> constexpr Boolean Greater(X x, Y y) {
    return Boolean{numeric(x) > numeric(y)};
}

template <Operand X> constexpr Boolean CBool(X x) { return Boolean{numeric(x) != 0.0}; }

constexpr Boolean Not(Boolean b) { return Boolean{!b.isTrue()}; }

// "whenTrue if condition holds, else whenFalse": always a number.
constexpr Number conditional(Boolean condition, int whenTrue, int whenFalse) {
    return Number{static_cast<double>(condition.isTrue() ? whenTrue : whenFalse)};
}

std::string textForm(Number n);
std::string textForm(Boolean b);

} // namespace provers
