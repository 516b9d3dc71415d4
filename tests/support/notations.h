// SPDX-License-Identifier: MIT
#pragma once

// The two notations the tests run in, a decimal point's (en_US) and a decimal
// comma's (de_DE), and "." notation rewritten as a user there types it.

#include <string>

#include "fields/notation.h"

namespace vorlenta::testing {

enum class Notation { Point, Comma };

inline constexpr Notation both_notations[] = {Notation::Point, Notation::Comma};

// The notation as the host hands it to the model.
inline vorlenta::Notation host_notation(Notation notation)
{
    if (notation == Notation::Comma)
        return {.decimal_point = ",", .minus = "-", .plus = "+", .exponent = "E", .zero_digit = "0"};
    return {.decimal_point = ".", .minus = "-", .plus = "+", .exponent = "e", .zero_digit = "0"};
}

// "." and "," exchanged: the same number as a decimal-comma locale writes it.
inline std::string in_notation(std::string text, Notation notation)
{
    if (notation == Notation::Comma) {
        for (char &c : text)
            c = c == '.' ? ',' : c == ',' ? '.' : c;
    }
    return text;
}

} // namespace vorlenta::testing
