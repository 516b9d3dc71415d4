// SPDX-License-Identifier: MIT
#include "eval/number_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <version>

#include "text/number_grammar.h"

namespace vorlenta {
namespace {

// Literals up to this length are converted in a buffer on the stack.
constexpr std::size_t ShortLiteral = 64;

// The value of the digits when it is within the range of a double.
std::optional<double> read_in_range(const char *first, const char *last)
{
#if defined(__cpp_lib_to_chars)
    double value = 0.0;
    const auto [stop, error] = std::from_chars(first, last, value);
    if (error == std::errc() && stop == last)
        return value;
    return std::nullopt;
#else
    // Where the C++ library reads no double (the page's, under Emscripten).
    const std::optional<double> value = text::read_double(std::string_view(first, std::size_t(last - first)), '.');
    if (value && std::isfinite(*value))
        return value;
    return std::nullopt;
#endif
}

// The shortest digits that read back to the value, as d.ddde±x; the end of
// what was written.
char *shortest_scientific(double value, std::array<char, 32> &chars)
{
#if defined(__cpp_lib_to_chars)
    return std::to_chars(chars.data(), chars.data() + chars.size(), value, std::chars_format::scientific).ptr;
#else
    // Where the C++ library writes no double: the fewest digits that read
    // back, each count rounded correctly by printf.
    int written = 0;
    for (int digits = 1; digits <= 17; ++digits) {
        written = std::snprintf(chars.data(), chars.size(), "%.*e", digits - 1, value);
        if (std::strtod(chars.data(), nullptr) == value)
            break;
    }
    return chars.data() + written;
#endif
}

Operand read_ascii(const char *first, const char *last)
{
    const int length = int(last - first);
    if (const std::optional<double> value = read_in_range(first, last))
        return {Token::Number, *value, length, true};
    // Out of range: beyond the largest double when a digit other than 0 stands
    // before the point, otherwise below the smallest one, which reads as 0.
    for (const char *c = first; c != last && *c != '.'; ++c) {
        if (*c != '0')
            return {Token::TooLarge, 0.0, length, true};
    }
    return {Token::Number, 0.0, length, true};
}

bool is_blank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// A symbol's text: a number of the grammar (text/number_grammar.h) with
// `point`, blanks around it allowed; its value, or no usable operand.
Operand read_text(std::string_view written, char point)
{
    std::size_t first = 0, last = written.size();
    while (first < last && is_blank(written[first]))
        ++first;
    while (last > first && is_blank(written[last - 1]))
        --last;
    const std::string_view number = written.substr(first, last - first);
    const std::optional<double> value = text::read_double(number, point);
    if (!value)
        return {};
    const int length = int(number.size());
    if (std::isinf(*value))
        return {Token::TooLarge, 0.0, length, true};
    return {Token::Number, *value, length, true};
}

int exponent_digits(int exponent)
{
    return exponent >= 100 ? 3 : 2;
}

} // namespace

Operand read_literal(std::string_view digits, char point)
{
    // Most literals are short: at most 15 digits are an exact integer, and
    // dividing it by an exact power of ten (up to 10^22) rounds once, to the
    // double nearest the decimal, as from_chars would.
    if (digits.size() <= 16) {
        static constexpr double powers_of_ten[] = {1e0, 1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7, 1e8,
                                                   1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15, 1e16};
        std::uint64_t mantissa = 0;
        int digit_count = 0, fraction_digits = -1; // -1: no point yet
        for (const char c : digits) {
            if (c == point) {
                fraction_digits = 0;
                continue;
            }
            mantissa = mantissa * 10 + std::uint64_t(c - '0');
            ++digit_count;
            if (fraction_digits >= 0)
                ++fraction_digits;
        }
        if (digit_count <= 15) {
            const double whole = double(mantissa);
            const double value = fraction_digits > 0 ? whole / powers_of_ten[fraction_digits] : whole;
            return {Token::Number, value, int(digits.size()), true};
        }
    }
    if (point == '.')
        return read_ascii(digits.data(), digits.data() + digits.size());
    const auto ascii = [point](char c) { return c == point ? '.' : c; };
    if (digits.size() <= ShortLiteral) {
        std::array<char, ShortLiteral> chars;
        std::transform(digits.begin(), digits.end(), chars.begin(), ascii);
        return read_ascii(chars.data(), chars.data() + digits.size());
    }
    std::string chars(digits);
    std::transform(chars.begin(), chars.end(), chars.begin(), ascii);
    return read_ascii(chars.data(), chars.data() + chars.size());
}

int shortest_text_length(double value)
{
    if (value == 0.0)
        return 1; // "0", also for -0
    // The shortest round-trip digits, as d.ddde±x.
    std::array<char, 32> chars;
    const char *const end = shortest_scientific(std::fabs(value), chars);
    const char *e = std::find(static_cast<const char *>(chars.data()), end, 'e');
    const int digits = int(e - chars.data()) - (e - chars.data() > 1 ? 1 : 0); // without the point
    int exponent = 0;
    const char *exponent_first = e + 1;
    if (exponent_first != end && *exponent_first == '+')
        ++exponent_first; // from_chars reads no plus sign
    std::from_chars(exponent_first, end, exponent);
    const int point_at = exponent + 1; // digits before the decimal point
    int decimal;
    if (point_at <= 0)
        decimal = 2 - point_at + digits; // "0.000ddd"
    else if (point_at < digits)
        decimal = digits + 1; // "dd.ddd"
    else
        decimal = point_at; // "ddd000"
    const int scientific = digits + (digits > 1) + 2 + exponent_digits(std::abs(exponent));
    return (std::signbit(value) ? 1 : 0) + std::min(decimal, scientific);
}

Operand symbol_operand(const VariantValue &value, char point)
{
    switch (value.kind()) {
    case VariantValue::Kind::Empty: return {Token::Empty, 0.0, 0, true};
    case VariantValue::Kind::Number:
        // An infinity or NaN has no text that reads back as a number. The text
        // of -0 is "0", which reads back as +0.
        if (std::isfinite(value.number()))
            return {Token::Number, value.number() + 0.0, shortest_text_length(value.number()), true};
        return {};
    case VariantValue::Kind::Text: return read_text(value.text(), point);
    }
    return {};
}

bool is_numeric_value(const VariantValue &value, char point)
{
    if (value.is_number())
        return std::isfinite(value.number()); // without working out its text
    return symbol_operand(value, point).usable;
}

} // namespace vorlenta
