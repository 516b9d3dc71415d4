// SPDX-License-Identifier: MIT
#pragma once

// Number services in the user's locale (QLocale()): the numeric test, reading
// text as single or double precision, and rendering with the display patterns
// "0", "0.0" and "0.00".
//
// A numeric text is, after surrounding white space: an optional sign, digits
// with at most one decimal separator of the locale (at least one digit), and an
// optional exponent ("e", "E" or the locale's exponent symbol, an optional sign,
// digits). Group separators, "inf" and "nan" are not numbers: in a locale where
// "," is the decimal separator "1.5" is no number, and in one where "." is,
// "1,5" is none.

#include <optional>

#include <QString>

namespace vorlenta {

enum class Pattern {
    Whole,       // "0"
    OneDecimal,  // "0.0"
    TwoDecimals, // "0.00"
};

// The decimal separator of the user's locale: the one every number the window
// reads or shows is written with.
QString decimal_separator();

// True when the text has the form of a number in the user's locale, whatever
// its magnitude: "1e400" is numeric, but does not convert to double.
bool is_numeric(const QString &text);

// The number the text denotes, correctly rounded. Empty when the text is not
// numeric or its value lies beyond the type's finite range (values too small
// for the type round to zero or a subnormal and do not fail).
std::optional<double> to_double(const QString &text);
std::optional<float> to_single(const QString &text);

// The value rounded to the pattern's decimals, with the locale's decimal
// separator and no group separators. A value that rounds to zero carries no
// sign. The value must be finite.
QString render(double value, Pattern pattern);

// Renders a working value that no step has assigned yet as an empty text.
QString render(std::optional<double> value, Pattern pattern);

// Reads a text "through a pattern": renders the number the text denotes with
// the pattern, then reads that rendering as single precision, so the input is
// rounded to the pattern's decimals first ("12.44" through "0.0" is 12.4f).
// Empty when the text is not numeric or out of range.
std::optional<float> read_through_pattern(const QString &text, Pattern pattern);

// The shortest text in the user's locale that reads back as exactly this
// double (no group separators; exponent form where it is shorter).
QString render_shortest(double value);

} // namespace vorlenta
