// SPDX-License-Identifier: MIT
#pragma once

// The one grammar of numbers written as text, which the fields read (in the
// host's notation, translated), the evaluator reads in symbol values, and the
// command line reads in its definitions:
//
//   number   := [sign] mantissa [exponent]
//   mantissa := digits [point [digits]] | point digits
//   exponent := ("e" | "E") [sign] digits
//   sign     := "+" | "-"
//   digits   := ("0" | ... | "9") {"0" | ... | "9"}
//
// with `point` the caller's decimal point ('.' or ','). Nothing else: no
// blanks, no group separators, no "inf" or "nan", no hexadecimal. Reading
// neither looks at nor depends on the process's locale.

#include <optional>
#include <string_view>

namespace vorlenta::text {

// True when the whole text is a number of the grammar.
bool is_number(std::string_view text, char point);

// The value of a number of the grammar, correctly rounded: an infinity beyond
// the type's finite range, zero or a subnormal below its smallest value.
// Empty when the text is no number.
std::optional<double> read_double(std::string_view text, char point);
std::optional<float> read_single(std::string_view text, char point);
// The same for a caller that reads many numbers: false when the text is no
// number, `value` unchanged. (An optional costs a reader of millions.)
bool read_double(std::string_view text, char point, double &value);

} // namespace vorlenta::text
