// SPDX-License-Identifier: MIT
#pragma once

// How the host writes numbers: the pieces of its numeric locale that reading
// and showing a field's number need, as UTF-8 texts. The window fills it from
// its locale, the page from the browser's; the model only uses what it is
// given, so two models may live side by side in two notations.

#include <string>

namespace vorlenta {

struct Notation {
    std::string decimal_point = ".";
    std::string minus = "-";      // shown before a negative number; "-" is read too
    std::string plus = "+";       // read as a sign; "+" is read too
    std::string exponent = "e";   // read in any letter case; "e" and "E" are read too
    std::string zero_digit = "0"; // one character: its digits are it and the nine after
                                  // it, shown and read; ASCII digits are read too

    bool operator==(const Notation &) const = default;
};

} // namespace vorlenta
