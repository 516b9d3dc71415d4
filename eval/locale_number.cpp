// SPDX-License-Identifier: MIT
#include "eval/locale_number.h"

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <new>
#include <string>

#include <QLocale>

namespace vorlenta {
namespace {

// Digits of both the locale's own script and ASCII count as digits.
std::optional<char> ascii_digit(QChar c, QChar locale_zero)
{
    if (c >= u'0' && c <= u'9')
        return static_cast<char>(c.unicode());
    const int offset = int(c.unicode()) - int(locale_zero.unicode());
    if (offset >= 0 && offset <= 9)
        return static_cast<char>('0' + offset);
    return std::nullopt;
}

// Translates a numeric text of the user's locale into the C notation that
// strtod reads, or nothing when the text is not a number in the locale.
std::optional<std::string> to_c_notation(const QString &text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return std::nullopt;

    const QLocale locale;
    const QString point = locale.decimalPoint();
    const QString minus = locale.negativeSign();
    const QString plus = locale.positiveSign();
    const QString exponent = locale.exponential();
    const QString zero = locale.zeroDigit();
    const QChar zero_char = zero.size() == 1 ? zero.front() : QChar(u'0');

    std::string c;
    c.reserve(std::size_t(trimmed.size()));
    for (qsizetype i = 0; i < trimmed.size();) {
        const QStringView rest = QStringView(trimmed).mid(i);
        if (rest.startsWith(point)) {
            c += '.';
            i += point.size();
        } else if (rest.startsWith(minus) || rest.front() == u'-') {
            c += '-';
            i += rest.startsWith(minus) ? minus.size() : 1;
        } else if (rest.startsWith(plus) || rest.front() == u'+') {
            c += '+';
            i += rest.startsWith(plus) ? plus.size() : 1;
        } else if (rest.startsWith(exponent, Qt::CaseInsensitive) || rest.front() == u'e'
                   || rest.front() == u'E') {
            c += 'e';
            i += rest.startsWith(exponent, Qt::CaseInsensitive) ? exponent.size() : 1;
        } else if (const auto digit = ascii_digit(rest.front(), zero_char)) {
            c += *digit;
            ++i;
        } else {
            return std::nullopt;
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

// strtod and strtof in the C locale, whatever the process locale is. The C
// locale always exists, so newlocale fails only for want of memory.
locale_t c_locale()
{
    static const locale_t locale = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
    if (!locale)
        throw std::bad_alloc();
    return locale;
}

} // namespace

bool is_numeric(const QString &text)
{
    return to_c_notation(text).has_value();
}

std::optional<double> to_double(const QString &text)
{
    const std::optional<std::string> c = to_c_notation(text);
    if (!c)
        return std::nullopt;
    const double value = strtod_l(c->c_str(), nullptr, c_locale());
    if (!std::isfinite(value))
        return std::nullopt;
    return value;
}

} // namespace vorlenta
