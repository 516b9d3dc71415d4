// SPDX-License-Identifier: MIT
#pragma once

// The exact decimal rendering of a double to a few decimals, in ASCII, with
// no help from the C library's formatting (whose decimal point follows the
// process locale) or from std::to_chars (which some standard libraries lack
// for floating point).

#include <string>

namespace vorlenta {

// The finite magnitude (not negative) rounded to the given decimals (0 to 3),
// as ASCII digits with "." before the decimals and at least one digit before
// it: every digit of the exact binary value, however large. A value exactly
// halfway between two renderings rounds away from zero ("0.125" to two
// decimals is "0.13", "2.5" to none is "3"), as Qt's QLocale does.
std::string fixed_decimals(double magnitude, int decimals);

} // namespace vorlenta
