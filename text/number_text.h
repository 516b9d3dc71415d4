// SPDX-License-Identifier: MIT
#pragma once

// A computed value written as text, as the command line prints it and the
// squad writes it into a cell.

#include <cstddef>
#include <string>

namespace vorlenta::text {

// The shortest text that reads back to the same double, with the decimal
// point given ('.' or ','). Plain digits from 0.000001 up to below 10^16
// ("14", "2,5", "9999999999999998"); an exponent outside that range
// ("1e+16", "1.8446744073709552e+19", "5e-07"), so that no digit is shown
// that the double does not hold. No group separators; -0 is "0".
std::string number_text(double value, char point);

// Room for any such text: the longest is "-2.2250738585072014e-308".
inline constexpr std::size_t number_text_size = 32;
// The same text written at `into`, which has number_text_size bytes; returns
// its end. For a caller that writes many numbers without allocating.
char *write_number_text(double value, char point, char *into);

} // namespace vorlenta::text
