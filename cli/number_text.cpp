// SPDX-License-Identifier: MIT
#include "cli/number_text.h"

#include <charconv>
#include <cmath>

namespace vorlenta::cli {

std::string number_text(double value, char decimal_separator)
{
    if (value == 0)
        return "0"; // -0 too
    const double magnitude = std::fabs(value);
    const bool plain = magnitude >= 1e-6 && magnitude < 1e16;
    char buffer[64];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, value,
                                       plain ? std::chars_format::fixed : std::chars_format::scientific);
    std::string text(buffer, written.ptr);
    if (decimal_separator != '.')
        for (char &c : text)
            if (c == '.')
                c = decimal_separator;
    return text;
}

std::optional<double> read_number(std::string_view text, char decimal_separator)
{
    std::string point_text(text);
    for (char &c : point_text) {
        if (c == decimal_separator)
            c = '.';
        else if (c == '.' || c == ',') // the other notation's separator
            return std::nullopt;
    }
    // from_chars takes a "-" but no "+", and also reads "inf" and "nan",
    // which are no numbers here: after the sign comes a digit or the point.
    std::size_t start = 0, digits = 0;
    if (!point_text.empty() && point_text[0] == '+')
        start = digits = 1;
    else if (!point_text.empty() && point_text[0] == '-')
        digits = 1;
    if (digits >= point_text.size()
        || !((point_text[digits] >= '0' && point_text[digits] <= '9') || point_text[digits] == '.'))
        return std::nullopt;
    double value = 0;
    const char *end = point_text.data() + point_text.size();
    const auto [stop, error] = std::from_chars(point_text.data() + start, end, value);
    if (error != std::errc() || stop != end || !std::isfinite(value))
        return std::nullopt;
    return value;
}

} // namespace vorlenta::cli
