// SPDX-License-Identifier: MIT
#pragma once

// Numbers as the command line reads and writes them, in the notation whose
// decimal separator is '.' or ','.

#include <optional>
#include <string>
#include <string_view>

namespace vorlenta::cli {

// The shortest text that reads back to the same double. Plain digits from
// 0.000001 up to below 10^16 ("14", "2,5", "9999999999999998"); an exponent
// outside that range ("1e+16", "1.8446744073709552e+19", "5e-07"), so that
// no digit is shown that the double does not hold. No group separators.
std::string number_text(double value, char decimal_separator);

// A finite number of the number grammar (text/number_grammar.h) with the
// notation's separator ("-9,81", "2.5e3"); nothing when the text is no such
// number or lies beyond the range of a double.
std::optional<double> read_number(std::string_view text, char decimal_separator);

} // namespace vorlenta::cli
