// SPDX-License-Identifier: MIT
#include "text/number_grammar.h"

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

template <typename T>
std::optional<T> read(std::string_view text, char point)
{
    if (!is_number(text, point))
        return std::nullopt;
    std::string c(text); // NUL-terminated, with the C locale's point
    for (char &ch : c) {
        if (ch == point)
            ch = '.';
    }
#if defined(__cpp_lib_to_chars)
    // from_chars rounds as strtod does, several times as fast; it takes no
    // "+", and leaves values beyond the type's range to strtod below.
    T value;
    const char *first = c.data() + (c[0] == '+'), *last = c.data() + c.size();
    if (const auto [end, error] = std::from_chars(first, last, value); error == std::errc() && end == last)
        return value;
#endif
    if constexpr (std::is_same_v<T, float>)
        return strtof_l(c.c_str(), nullptr, c_locale());
    else
        return strtod_l(c.c_str(), nullptr, c_locale());
}

} // namespace

bool is_number(std::string_view text, char point)
{
    std::size_t at = 0;
    const auto digits = [&] {
        const std::size_t start = at;
        while (at < text.size() && is_digit(text[at]))
            ++at;
        return at - start;
    };
    const auto sign = [&] {
        if (at < text.size() && (text[at] == '+' || text[at] == '-'))
            ++at;
    };
    // mantissa: digits [point [digits]] | point digits
    sign();
    std::size_t mantissa_digits = digits();
    if (at < text.size() && text[at] == point) {
        ++at;
        mantissa_digits += digits();
    }
    if (mantissa_digits == 0)
        return false;
    // exponent: ("e" | "E") [sign] digits
    if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
        ++at;
        sign();
        if (digits() == 0)
            return false;
    }
    return at == text.size();
}

std::optional<double> read_double(std::string_view text, char point)
{
    return read<double>(text, point);
}

std::optional<float> read_single(std::string_view text, char point)
{
    return read<float>(text, point);
}

} // namespace vorlenta::text
