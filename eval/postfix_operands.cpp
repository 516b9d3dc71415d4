// SPDX-License-Identifier: MIT
#include "eval/postfix_operands.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>

#include "eval/runtime_error.h"
#include "eval/locale_number.h"

namespace vorlenta {
namespace {

// Literals up to this length are converted in a buffer on the stack.
constexpr qsizetype ShortLiteral = 64;

PostfixToken read_ascii(const char *first, const char *last)
{
    double value = 0.0;
    const auto [stop, error] = std::from_chars(first, last, value);
    if (error == std::errc() && stop == last)
        return {Token::Number, value};
    // Out of range: beyond the largest double when a digit other than 0 stands
    // before the point, otherwise below the smallest one, which reads as 0.
    for (const char *c = first; c != last && *c != '.'; ++c) {
        if (*c != '0')
            return {Token::TooLarge};
    }
    return {Token::Number, 0.0};
}

qsizetype decimal_digits(int exponent)
{
    return exponent >= 100 ? 3 : 2;
}

} // namespace

PostfixToken read_literal(QStringView digits, QChar point)
{
    const auto ascii = [point](QChar c) { return c == point ? '.' : char(c.unicode()); };
    if (digits.size() <= ShortLiteral) {
        std::array<char, ShortLiteral> chars;
        for (qsizetype i = 0; i < digits.size(); ++i)
            chars[std::size_t(i)] = ascii(digits[i]);
        return read_ascii(chars.data(), chars.data() + digits.size());
    }
    std::string chars(std::size_t(digits.size()), '0');
    for (qsizetype i = 0; i < digits.size(); ++i)
        chars[std::size_t(i)] = ascii(digits[i]);
    return read_ascii(chars.data(), chars.data() + chars.size());
}

qsizetype shortest_text_length(double value)
{
    if (value == 0.0)
        return 1; // "0", also for -0
    // The shortest round-trip digits, as d.ddde±x.
    std::array<char, 32> chars;
    const auto result = std::to_chars(chars.data(), chars.data() + chars.size(), std::fabs(value),
                                      std::chars_format::scientific);
    qsizetype digits = 0;
    const char *c = chars.data();
    for (; c != result.ptr && *c != 'e'; ++c)
        digits += *c != '.';
    const int exponent = std::atoi(c + 1); // to_chars stops before the buffer's end
    const qsizetype point_at = exponent + 1; // digits before the decimal point
    qsizetype decimal;
    if (point_at <= 0)
        decimal = 2 - point_at + digits; // "0.000ddd"
    else if (point_at < digits)
        decimal = digits + 1; // "dd.ddd"
    else
        decimal = point_at; // "ddd000"
    const qsizetype scientific = digits + (digits > 1) + 2 + decimal_digits(std::abs(exponent));
    return (std::signbit(value) ? 1 : 0) + std::min(decimal, scientific);
}

SymbolOperand symbol_operand(const VariantValue &value)
{
    static const QString source = QStringLiteral("CEval");
    switch (value.kind()) {
    case VariantValue::Kind::Empty:
        return {{Token::Empty}, 0};
    case VariantValue::Kind::Number:
        if (std::isfinite(value.number())) {
            // The text of -0 is "0", which reads back as +0.
            return {{Token::Number, value.number() + 0.0}, shortest_text_length(value.number())};
        }
        break;
    case VariantValue::Kind::Text: {
        const QString &text = value.text();
        qsizetype first = 0, last = text.size();
        while (first < last && text[first].isSpace())
            ++first;
        while (last > first && text[last - 1].isSpace())
            --last;
        if (const auto number = to_double(text))
            return {{Token::Number, *number}, last - first};
        if (is_numeric(text))
            return {{Token::TooLarge}, last - first};
        break;
    }
    }
    // A text pasted in unread could carry blanks and operators of its own.
    throw EvalError(eval_errors::InvalidSymbolValue, source, QStringLiteral("Invalid symbol value"));
}

} // namespace vorlenta
