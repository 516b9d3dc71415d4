// SPDX-License-Identifier: MIT
#include "number_format.h"

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <new>
#include <type_traits>
#include <vector>

#include "fields/fixed_decimals.h"

// strtod_l and strtof_l (glibc, and musl under Emscripten).
#include <locale.h>
#include <stdlib.h>

namespace vorlenta {
namespace {

constexpr char32_t not_a_character = 0xFFFFFFFF;

struct CodePoint {
    char32_t value;     // not_a_character for a byte that starts no valid sequence
    std::size_t length; // in bytes
};

CodePoint decode(std::string_view text, std::size_t at)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(at);
    if (lead < 0x80)
        return {lead, 1};
    const std::size_t length = lead >= 0xF0 && lead < 0xF5 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 0;
    if (length == 0 || lead >= 0xF5 || at + length > text.size())
        return {not_a_character, 1};
    char32_t value = lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(at + i) & 0xC0) != 0x80)
            return {not_a_character, 1};
        value = (value << 6) | (byte(at + i) & 0x3F);
    }
    // Overlong forms and surrogates are no characters.
    const char32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (value < smallest[length] || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
        return {not_a_character, 1};
    return {value, length};
}

void encode(char32_t value, std::string &out)
{
    if (value < 0x80) {
        out += char(value);
    } else if (value < 0x800) {
        out += char(0xC0 | (value >> 6));
        out += char(0x80 | (value & 0x3F));
    } else if (value < 0x10000) {
        out += char(0xE0 | (value >> 12));
        out += char(0x80 | ((value >> 6) & 0x3F));
        out += char(0x80 | (value & 0x3F));
    } else {
        out += char(0xF0 | (value >> 18));
        out += char(0x80 | ((value >> 12) & 0x3F));
        out += char(0x80 | ((value >> 6) & 0x3F));
        out += char(0x80 | (value & 0x3F));
    }
}

// White space as Unicode knows it: the C0 blanks, NEL, and the space, line and
// paragraph separators (the no-break spaces among them).
bool is_space(char32_t c)
{
    return c == 0x20 || (c >= 0x09 && c <= 0x0D) || c == 0x85 || c == 0xA0 || c == 0x1680
        || (c >= 0x2000 && c <= 0x200A) || c == 0x2028 || c == 0x2029 || c == 0x202F || c == 0x205F
        || c == 0x3000;
}

std::string_view trimmed(std::string_view text)
{
    std::vector<std::size_t> starts; // where each character starts
    for (std::size_t at = 0; at < text.size(); at += decode(text, at).length)
        starts.push_back(at);
    std::size_t first = 0, last = starts.size();
    while (first < last && is_space(decode(text, starts[first]).value))
        ++first;
    while (last > first && is_space(decode(text, starts[last - 1]).value))
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
    const CodePoint first = decode(zero, 0);
    return first.value != not_a_character && first.length == zero.size() ? first.value : U'0';
}

// Translates a numeric text of the notation into the C notation that strtod
// reads, or nothing when the text is not a number in the notation.
std::optional<std::string> to_c_notation(std::string_view text, const Notation &notation)
{
    const std::string_view rest_of_all = trimmed(text);
    if (rest_of_all.empty())
        return std::nullopt;
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
            const CodePoint next = decode(rest, 0);
            if (next.value >= U'0' && next.value <= U'9')
                c += char(next.value);
            else if (next.value != not_a_character && next.value >= zero && next.value - zero <= 9)
                c += char('0' + (next.value - zero));
            else
                return std::nullopt;
            i += next.length;
        }
    }

    // sign? (digits [point digits*] | point digits) (e sign? digits)?
    std::size_t at = 0;
    const auto digits = [&] {
        const std::size_t start = at;
        while (at < c.size() && c[at] >= '0' && c[at] <= '9')
            ++at;
        return at - start;
    };
    if (at < c.size() && (c[at] == '+' || c[at] == '-'))
        ++at;
    std::size_t mantissa_digits = digits();
    if (at < c.size() && c[at] == '.') {
        ++at;
        mantissa_digits += digits();
    }
    if (mantissa_digits == 0)
        return std::nullopt;
    if (at < c.size() && c[at] == 'e') {
        ++at;
        if (at < c.size() && (c[at] == '+' || c[at] == '-'))
            ++at;
        if (digits() == 0)
            return std::nullopt;
    }
    if (at != c.size())
        return std::nullopt;
    return c;
}

// strtod and strtof in the C locale, whatever the process locale is (a
// program may have set it to the user's, where the point could be ","). The
// C locale always exists, so newlocale fails only for want of memory. Made
// once and never changed.
locale_t c_locale()
{
    static const locale_t locale = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
    if (!locale)
        throw std::bad_alloc();
    return locale;
}

template <typename T>
std::optional<T> parse(std::string_view text, const Notation &notation)
{
    const std::optional<std::string> c = to_c_notation(text, notation);
    if (!c)
        return std::nullopt;
    T value;
    if constexpr (std::is_same_v<T, float>)
        value = strtof_l(c->c_str(), nullptr, c_locale());
    else
        value = strtod_l(c->c_str(), nullptr, c_locale());
    if (!std::isfinite(value))
        return std::nullopt;
    return value;
}

int decimals_of(Pattern pattern)
{
    switch (pattern) {
    case Pattern::Whole:
        return 0;
    case Pattern::OneDecimal:
        return 1;
    case Pattern::TwoDecimals:
        return 2;
    }
    return 0;
}

} // namespace

bool is_numeric(std::string_view text, const Notation &notation)
{
    return to_c_notation(text, notation).has_value();
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

    std::string text;
    if (std::signbit(value) && !shows_zero)
        text = notation.minus;
    for (const char c : ascii) {
        if (c == '.')
            text += notation.decimal_point;
        else
            encode(zero + char32_t(c - '0'), text);
    }
    return text;
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
