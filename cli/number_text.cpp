// SPDX-License-Identifier: MIT
#include "cli/number_text.h"

#include <charconv>
#include <cmath>

#include "text/number_grammar.h"

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
    const std::optional<double> value = text::read_double(text, decimal_separator);
    if (!value || !std::isfinite(*value))
        return std::nullopt;
    return value;
}

} // namespace vorlenta::cli
