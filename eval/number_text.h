// SPDX-License-Identifier: MIT
#pragma once

// The evaluator's own number services, with the decimal separator ('.' or
// ',') of the evaluator that asks: reading literals, the numeric test and
// reading of symbol texts, and the length of a value's shortest text.

#include <string_view>

#include <vorlenta/eval/variant_value.h>

#include "eval/operand.h"

namespace vorlenta {

// A literal the conversion scanned: digits with at most one `point`, at least
// one digit. Correctly rounded; TooLarge beyond the range of a double, and 0
// below the smallest one.
Operand read_literal(std::string_view digits, char point);

// A symbol's value as an operand. A number stands as its shortest round-trip
// text; a text that reads as a number with `point` (optional sign, digits with
// at most one point, optional exponent, blanks around) as itself without the
// blanks; the empty value as an empty token. Anything else (an infinity, NaN,
// a text that is no number) is not usable.
Operand symbol_operand(const VariantValue &value, char point);

// The numeric test of symbol values: the operand is usable.
bool is_numeric_value(const VariantValue &value, char point);

// The length of the shortest text that reads back as exactly this finite
// double, decimal or exponent form, whichever is shorter (decimal on a tie),
// the exponent with a sign and at least two digits, no sign on zero:
// "0.1", "1E+20", "-4".
int shortest_text_length(double value);

// The longest of those texts: a sign, 17 digits, the point and a three-digit
// exponent, as in "-2.2250738585072014E-308".
inline constexpr int MaxShortestTextLength = 24;

} // namespace vorlenta
