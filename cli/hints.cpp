// SPDX-License-Identifier: MIT
#include "cli/hints.h"

#include "text/utf8.h"

namespace vorlenta::cli {

namespace {

bool is_digit(char c)
{
    return c >= '0' && c <= '9';
}

// The byte offset of the character at a 1-based position; npos past the end.
std::size_t offset_of(std::string_view line, int position)
{
    std::size_t offset = 0;
    for (int character = 1; offset < line.size(); ++character) {
        if (character == position)
            return offset;
        const std::size_t length = text::decode_utf8(line, offset).length;
        offset += length == 0 ? 1 : length;
    }
    return std::string_view::npos;
}

// 1e3, 1.5E-3: the fault is at the "e", right after the digits of a number
// and right before those of an exponent.
std::string exponent_hint(std::string_view line, std::size_t at, char separator)
{
    std::size_t start = at;
    while (start > 0 && (is_digit(line[start - 1]) || line[start - 1] == separator))
        --start;
    const std::string_view mantissa = line.substr(start, at - start);
    std::size_t end = at + 1;
    const bool negative = end < line.size() && line[end] == '-';
    if (end < line.size() && (line[end] == '-' || line[end] == '+'))
        ++end;
    const std::size_t digits = end;
    while (end < line.size() && is_digit(line[end]))
        ++end;
    if (mantissa.find_first_of("0123456789") == std::string_view::npos || end == digits)
        return {};
    return "numbers have no exponent here, and E is e^x: write " + std::string(mantissa) + "*10^"
        + (negative ? "-" : "") + std::string(line.substr(digits, end - digits)) + " for "
        + std::string(line.substr(start, end - start));
}

} // namespace

std::string fault_hint(std::string_view line, const LineResult &fault, char decimal_separator)
{
    if (fault.outcome != Outcome::SyntaxFault)
        return {};
    const std::size_t at = offset_of(line, fault.position);
    if (at == std::string_view::npos)
        return {};
    switch (line[at]) {
    case 'e':
    case 'E': return exponent_hint(line, at, decimal_separator);
    case '*': {
        std::size_t before = at;
        while (before > 0 && static_cast<unsigned char>(line[before - 1]) <= ' ')
            --before;
        if (before > 0 && line[before - 1] == '*')
            return "the power is written ^ here (2^3 is 8), not **";
        return {};
    }
    case '%':
        // Anywhere else "%" starts an operand, and is no fault.
        return "% here is a hundredth of what follows it: %50 is 0.5";
    default: return {};
    }
}

} // namespace vorlenta::cli
