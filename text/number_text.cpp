// SPDX-License-Identifier: MIT
#include "text/number_text.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <version>

#if defined(__cpp_lib_to_chars) && !defined(VORLENTA_NO_FLOAT_TO_CHARS)
#include <charconv>
#endif

namespace vorlenta::text {
namespace {

bool plain_range(double magnitude)
{
    return magnitude >= 1e-6 && magnitude < 1e16;
}

#if defined(__cpp_lib_to_chars) && !defined(VORLENTA_NO_FLOAT_TO_CHARS)

char *shortest(double value, char *into)
{
    return std::to_chars(into, into + number_text_size, value,
                         plain_range(std::fabs(value)) ? std::chars_format::fixed : std::chars_format::scientific)
        .ptr;
}

#else

// Where the C++ library cannot write a double (the page's, under
// Emscripten): the fewest significant digits that read back to the same
// double, each count rounded correctly by printf, laid out as to_chars does.
std::string shortest(double value)
{
    char scientific[40];
    for (int digits = 1; digits <= 17; ++digits) {
        std::snprintf(scientific, sizeof scientific, "%.*e", digits - 1, value);
        if (std::strtod(scientific, nullptr) == value)
            break;
    }
    const std::string text(scientific);
    if (!plain_range(std::fabs(value))) { // "1.5e+16": as it is, without trailing zeros
        return text;
    }
    const std::size_t e = text.find('e');
    const bool negative = text[0] == '-';
    std::string mantissa; // the significant digits alone
    for (std::size_t i = negative; i < e; ++i)
        if (text[i] >= '0' && text[i] <= '9')
            mantissa += text[i];
    const int exponent = std::atoi(text.c_str() + e + 1);
    std::string fixed = negative ? "-" : "";
    if (exponent < 0) {
        fixed += "0." + std::string(std::size_t(-exponent - 1), '0') + mantissa;
    } else if (std::size_t(exponent) + 1 >= mantissa.size()) {
        fixed += mantissa + std::string(std::size_t(exponent) + 1 - mantissa.size(), '0');
    } else {
        fixed += mantissa.substr(0, std::size_t(exponent) + 1) + "." + mantissa.substr(std::size_t(exponent) + 1);
    }
    return fixed;
}

char *shortest(double value, char *into)
{
    const std::string text = shortest(value);
    return std::copy(text.begin(), text.end(), into);
}

#endif

} // namespace

char *write_number_text(double value, char point, char *into)
{
    if (value == 0) {
        *into = '0'; // -0 too
        return into + 1;
    }
    char *const end = shortest(value, into);
    if (point != '.')
        std::replace(into, end, '.', point);
    return end;
}

std::string number_text(double value, char point)
{
    char text[number_text_size];
    return std::string(text, write_number_text(value, point, text));
}

} // namespace vorlenta::text
