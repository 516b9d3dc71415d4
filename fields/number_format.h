// SPDX-License-Identifier: MIT
#pragma once

// Number services in the host's notation (notation.h): the numeric test,
// reading text as single or double precision, and rendering with the display
// patterns "0", "0.0" and "0.00". Texts are UTF-8.
//
// A numeric text is, after surrounding white space: an optional sign, digits
// with at most one decimal separator of the notation (at least one digit),
// and an optional exponent ("e", "E" or the notation's exponent symbol, an
// optional sign, digits). Group separators, "inf" and "nan" are not numbers:
// in a notation where "," is the decimal separator "1.5" is no number, and in
// one where "." is, "1,5" is none.
//
// Neither the process's C locale nor any other global setting is read.

#include <optional>
#include <string>
#include <string_view>

#include "fields/notation.h"

namespace vorlenta {

enum class Pattern {
    Whole,       // "0"
    OneDecimal,  // "0.0"
    TwoDecimals, // "0.00"
};

// True when the text has the form of a number, whatever its magnitude:
// "1e400" is numeric, but does not convert to double.
bool is_numeric(std::string_view text, const Notation &notation);

// The number the text denotes, correctly rounded. Empty when the text is not
// numeric or its value lies beyond the type's finite range (values too small
// for the type round to zero or a subnormal and do not fail).
std::optional<double> to_double(std::string_view text, const Notation &notation);
std::optional<float> to_single(std::string_view text, const Notation &notation);

// The value rounded to the pattern's decimals (an exact half away from zero),
// with the notation's decimal separator, digits and minus sign, and no group
// separators. A value that rounds to zero carries no sign. The value must be
// finite.
std::string render(double value, Pattern pattern, const Notation &notation);

// Renders a working value that no step has assigned yet as an empty text.
std::string render(std::optional<double> value, Pattern pattern, const Notation &notation);

// Reads a text "through a pattern": renders the number the text denotes with
// the pattern, then reads that rendering as single precision, so the input is
// rounded to the pattern's decimals first ("12.44" through "0.0" is 12.4f).
// Empty when the text is not numeric or out of range.
std::optional<float> read_through_pattern(std::string_view text, Pattern pattern, const Notation &notation);

} // namespace vorlenta
