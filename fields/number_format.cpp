// SPDX-License-Identifier: MIT
#include "number_format.h"

#include <cerrno>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <new>
#include <string>

#include <QLocale>

namespace vorlenta {
namespace {

QLocale user_locale()
{
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale;
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
    const QString point = decimal_separator();
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

template <typename T>
std::optional<T> parse(const QString &text)
{
    const std::optional<std::string> c = to_c_notation(text);
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

} // namespace

QString decimal_separator()
{
    return QLocale().decimalPoint();
}

bool is_numeric(const QString &text)
{
    return to_c_notation(text).has_value();
}

std::optional<double> to_double(const QString &text)
{
    return parse<double>(text);
}

std::optional<float> to_single(const QString &text)
{
    return parse<float>(text);
}

QString render(double value, Pattern pattern)
{
    const QLocale locale = user_locale();
    const int decimals = decimals_of(pattern);
    const QString magnitude = locale.toString(std::fabs(value), 'f', decimals);
    if (std::signbit(value) && magnitude != locale.toString(0.0, 'f', decimals))
        return locale.negativeSign() + magnitude;
    return magnitude;
}

QString render(std::optional<double> value, Pattern pattern)
{
    return value ? render(*value, pattern) : QString();
}

std::optional<float> read_through_pattern(const QString &text, Pattern pattern)
{
    const std::optional<double> value = to_double(text);
    if (!value)
        return std::nullopt;
    return to_single(render(*value, pattern));
}

QString render_shortest(double value)
{
    return user_locale().toString(value, 'g', QLocale::FloatingPointShortest);
}

} // namespace vorlenta
