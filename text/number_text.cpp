// SPDX-License-Identifier: MIT
#include "text/number_text.h"

#include <charconv>
#include <cmath>

namespace vorlenta::text {

std::string number_text(double value, char point)
{
    if (value == 0)
        return "0"; // -0 too
    const double magnitude = std::fabs(value);
    const bool plain = magnitude >= 1e-6 && magnitude < 1e16;
    char buffer[64];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, value,
                                       plain ? std::chars_format::fixed : std::chars_format::scientific);
    std::string text(buffer, written.ptr);
    if (point != '.')
        for (char &c : text)
            if (c == '.')
                c = point;
    return text;
}

} // namespace vorlenta::text
