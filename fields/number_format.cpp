// SPDX-License-Identifier: MIT
#include "number_format.h"

#include <cmath>
#include <vector>

#include "fields/fixed_decimals.h"
#include "text/number_grammar.h"
#include "text/utf8.h"

namespace vorlenta {
namespace {

using text::decode_utf8;

// Where the next character starts: a byte that starts no character is one.
std::size_t next_at(std::string_view text, std::size_t at)
{
    const std::size_t length = decode_utf8(text, at).length;
    return at + (length == 0 ? 1 : length);
}

// A character of the text, or nothing where no well-formed one starts.
std::optional<char32_t> character_at(std::string_view text, std::size_t at)
{
    const text::Utf8Char c = decode_utf8(text, at);
    return c.length == 0 ? std::nullopt : std::optional<char32_t>(c.code_point);
}

// White space as Unicode knows it: the C0 blanks, NEL, and the space, line and
// paragraph separators (the no-break spaces among them).
bool is_space(char32_t c)
{
    return c == 0x20 || (c >= 0x09 && c <= 0x0D) || c == 0x85 || c == 0xA0 || c == 0x1680
        || (c >= 0x2000 && c <= 0x200A) || c == 0x2028 || c == 0x2029 || c == 0x202F || c == 0x205F || c == 0x3000;
}

bool is_space_at(std::string_view text, std::size_t at)
{
    const std::optional<char32_t> c = character_at(text, at);
    return c && is_space(*c);
}

std::string_view trimmed(std::string_view text)
{
    std::vector<std::size_t> starts; // where each character starts
    for (std::size_t at = 0; at < text.size(); at = next_at(text, at))
        starts.push_back(at);
    std::size_t first = 0, last = starts.size();
    while (first < last && is_space_at(text, starts[first]))
        ++first;
    while (last > first && is_space_at(text, starts[last - 1]))
        --last;
    if (first == last)
        return {};
    const std::size_t end = last < starts.size() ? starts[last] : text.size();
    return text.substr(starts[first], end - starts[first]);
}

char ascii_lower(char c)
{
    return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}

// An empty symbol matches nothing.
bool starts_with(std::string_view text, std::string_view symbol, bool any_case = false)
{
    if (symbol.empty() || text.size() < symbol.size())
        return false;
    for (std::size_t i = 0; i < symbol.size(); ++i) {
        if (any_case ? ascii_lower(text[i]) != ascii_lower(symbol[i]) : text[i] != symbol[i])
            return false;
    }
    return true;
}

// The notation's zero: its one character, or "0" when it is not one.
char32_t zero_of(const Notation &notation)
{
    const std::string_view zero = notation.zero_digit;
    if (zero.empty())
        return U'0';
    const text::Utf8Char first = decode_utf8(zero, 0);
    return first.length != 0 && first.length == zero.size() ? first.code_point : U'0';
}

// Translates a text of the notation into the ASCII notation of the number
// grammar (text/number_grammar.h), with "." and "e", or nothing when a
// character of it has no place there.
std::optional<std::string> to_c_notation(std::string_view text, const Notation &notation)
{
    const std::string_view rest_of_all = trimmed(text);
    const char32_t zero = zero_of(notation);

    std::string c;
    c.reserve(rest_of_all.size());
    for (std::size_t i = 0; i < rest_of_all.size();) {
        const std::string_view rest = rest_of_all.substr(i);
        if (starts_with(rest, notation.decimal_point)) {
            c += '.';
            i += notation.decimal_point.size();
        } else if (starts_with(rest, notation.minus) || rest.front() == '-') {
            c += '-';
            i += starts_with(rest, notation.minus) ? notation.minus.size() : 1;
        } else if (starts_with(rest, notation.plus) || rest.front() == '+') {
            c += '+';
            i += starts_with(rest, notation.plus) ? notation.plus.size() : 1;
        } else if (starts_with(rest, notation.exponent, true) || rest.front() == 'e' || rest.front() == 'E') {
            c += 'e';
            i += starts_with(rest, notation.exponent, true) ? notation.exponent.size() : 1;
        } else {
            // Digits of both the notation's own script and ASCII count as digits.
            const text::Utf8Char next = decode_utf8(rest, 0);
            if (next.length == 0)
                return std::nullopt;
            if (next.code_point >= U'0' && next.code_point <= U'9')
                c += char(next.code_point);
            else if (next.code_point >= zero && next.code_point - zero <= 9)
                c += char('0' + (next.code_point - zero));
            else
                return std::nullopt;
            i += next.length;
        }
    }
    return c;
}

template <typename T>
std::optional<T> parse(std::string_view text, const Notation &notation)
{
    const std::optional<std::string> c = to_c_notation(text, notation);
    if (!c)
        return std::nullopt;
    std::optional<T> value;
    if constexpr (std::is_same_v<T, float>)
        value = text::read_single(*c, '.');
    else
        value = text::read_double(*c, '.');
    if (value && !std::isfinite(*value))
        return std::nullopt;
    return value;
}

int decimals_of(Pattern pattern)
{
    switch (pattern) {
    case Pattern::Whole: return 0;
    case Pattern::OneDecimal: return 1;
    case Pattern::TwoDecimals: return 2;
    }
    return 0;
}

} // namespace

bool is_numeric(std::string_view text, const Notation &notation)
{
    const std::optional<std::string> c = to_c_notation(text, notation);
    return c && text::is_number(*c, '.');
}

std::optional<double> to_double(std::string_view text, const Notation &notation)
{
    return parse<double>(text, notation);
}

std::optional<float> to_single(std::string_view text, const Notation &notation)
{
    return parse<float>(text, notation);
}

std::string render(double value, Pattern pattern, const Notation &notation)
{
    const std::string ascii = fixed_decimals(std::fabs(value), decimals_of(pattern));
    const bool shows_zero = ascii.find_first_not_of("0.") == std::string::npos;
    const char32_t zero = zero_of(notation);

    std::string shown;
    if (std::signbit(value) && !shows_zero)
        shown = notation.minus;
    for (const char c : ascii) {
        if (c == '.')
            shown += notation.decimal_point;
        else
            text::append_utf8(shown, zero + char32_t(c - '0'));
    }
    return shown;
}

std::string render(std::optional<double> value, Pattern pattern, const Notation &notation)
{
    return value ? render(*value, pattern, notation) : std::string();
}

std::optional<float> read_through_pattern(std::string_view text, Pattern pattern, const Notation &notation)
{
    const std::optional<double> value = to_double(text, notation);
    if (!value)
        return std::nullopt;
    return to_single(render(*value, pattern, notation), notation);
}

} // namespace vorlenta
