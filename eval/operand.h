// SPDX-License-Identifier: MIT
#pragma once

// The tokens of an expression's postfix form and the operands among them.
// The postfix text writes every token followed by one blank ("1 2 3 * + "): a
// number as the expression writes it, a symbol as the text form of its value,
// negation as "(-)"; its positions are 16-bit, so it ends at PostfixLimit.

#include <cstdint>

namespace vorlenta {

// clang-format off
enum class Token : std::uint8_t {
    Number,   // a value to push
    TooLarge, // a number beyond the range of a double: an overflow when reached
    Empty,    // the empty value of a symbol, or an empty number: ignored
    Add, Subtract, Multiply, Divide, Power,        // infix: right, then left
    Exponential, Root, Logarithm, Percent, Negate, // prefix: one value
    Open,                                          // "(": only on the operator stack
};
// clang-format on

inline constexpr int PostfixLimit = 32767;

// A number or symbol as the postfix form holds it, with the length of its text.
struct Operand {
    Token token = Token::Empty;
    double value = 0.0; // for Number
    int text_length = 0;
    bool usable = false; // false: a symbol value that is no number
};

} // namespace vorlenta
