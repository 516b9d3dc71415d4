// SPDX-License-Identifier: MIT
#include "text/number_grammar.h"

#include <algorithm>
#include <cstdint>
#include <new>
#include <string>
#include <type_traits>
#include <version>

#if defined(__cpp_lib_to_chars)
#include <charconv>
#endif

// strtod_l, strtof_l and newlocale: POSIX 2008 (glibc, and musl under
// Emscripten).
#include <locale.h>
#include <stdlib.h>

namespace vorlenta::text {
namespace {

// The C locale, whatever the process's locale is (a program may have set it
// to the user's, where strtod's point could be ","). The C locale always
// exists, so newlocale fails only for want of memory. Made once, never
// changed, so any thread may use it.
locale_t c_locale()
{
    static const locale_t locale = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
    if (!locale)
        throw std::bad_alloc();
    return locale;
}

bool is_digit(char c)
{
    return c >= '0' && c <= '9';
}

// A text read once against the grammar, with what the exact reading below needs.
struct Scan {
    bool number = false;
    bool negative = false;
    std::uint64_t digits = 0; // the first 19 significant digits as an integer
    int significant = 0;      // digits from the first that is not 0
    long exponent = 0;        // the value is digits * 10^exponent, for at most 19 significant digits
};

Scan scan(std::string_view text, char point)
{
    Scan s;
    const char *at = text.data(), *const end = at + text.size();
    const auto sign = [&] {
        const bool minus = at != end && *at == '-';
        if (at != end && (*at == '+' || minus))
            ++at;
        return minus;
    };
    // mantissa: digits [point [digits]] | point digits
    s.negative = sign();
    const char *const mantissa = at;
    bool fraction = false;
    for (; at != end; ++at) {
        const unsigned digit = unsigned(static_cast<unsigned char>(*at)) - '0';
        if (digit > 9) {
            if (*at != point || fraction)
                break;
            fraction = true;
            continue;
        }
        if (s.significant < 19) {
            // Leading zeros leave the digits 0 and count for the exponent only.
            s.digits = s.digits * 10 + digit;
            s.significant += s.digits != 0;
            s.exponent -= fraction;
        } else {
            ++s.significant; // no longer exact: counted only
        }
    }
    if (at - mantissa == fraction) // no digit
        return s;
    // exponent: ("e" | "E") [sign] digits
    if (at != end && (*at == 'e' || *at == 'E')) {
        ++at;
        const bool minus = sign();
        const char *const start = at;
        // Exponents beyond this much make infinity or zero whatever the digits.
        constexpr long exponent_bound = 1'000'000;
        long exponent = 0;
        for (; at != end && is_digit(*at); ++at)
            exponent = std::min(exponent * 10 + (*at - '0'), exponent_bound);
        if (at == start)
            return s;
        s.exponent += minus ? -exponent : exponent;
    }
    s.number = at == end;
    return s;
}

// Most numbers people write have few digits and a small exponent. Then the
// digits and the power of ten are both exact in the type, and one IEEE
// multiplication or division rounds their product correctly, as reading the
// text digit by digit would. False where that does not hold.
template <typename T>
bool exact(const Scan &s, T &value)
{
    // The largest integer and power of ten that the type holds exactly.
    constexpr int most_digits = std::is_same_v<T, float> ? 7 : 15;
    constexpr int most_exponent = std::is_same_v<T, float> ? 10 : 22;
    static constexpr T powers[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                   1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    if (s.significant > most_digits || s.exponent < -most_exponent || s.exponent > most_exponent)
        return false;
    const T digits = T(s.digits);
    value = s.exponent < 0 ? digits / powers[-s.exponent] : digits * powers[s.exponent];
    if (s.negative)
        value = -value;
    return true;
}

template <typename T>
bool read(std::string_view text, char point, T &value)
{
    const Scan s = scan(text, point);
    if (!s.number)
        return false;
    if (exact(s, value))
        return true;
    std::string c(text); // NUL-terminated, with the C locale's point
    for (char &ch : c) {
        if (ch == point)
            ch = '.';
    }
#if defined(__cpp_lib_to_chars)
    // from_chars rounds as strtod does, several times as fast; it takes no
    // "+", and leaves values beyond the type's range to strtod below.
    const char *first = c.data() + (c[0] == '+'), *last = c.data() + c.size();
    if (const auto [end, error] = std::from_chars(first, last, value); error == std::errc() && end == last)
        return true;
#endif
    if constexpr (std::is_same_v<T, float>)
        value = strtof_l(c.c_str(), nullptr, c_locale());
    else
        value = strtod_l(c.c_str(), nullptr, c_locale());
    return true;
}

template <typename T>
std::optional<T> read(std::string_view text, char point)
{
    if (T value; read(text, point, value))
        return value;
    return std::nullopt;
}

} // namespace

bool is_number(std::string_view text, char point)
{
    return scan(text, point).number;
}

std::optional<double> read_double(std::string_view text, char point)
{
    return read<double>(text, point);
}

std::optional<float> read_single(std::string_view text, char point)
{
    return read<float>(text, point);
}

bool read_double(std::string_view text, char point, double &value)
{
    return read(text, point, value);
}

} // namespace vorlenta::text
