#include "token_number.h"

#include <array>
#include <charconv>

#include <QLocale>
#include <QString>

#include "eval/eval_error.h"
#include "fields/number_format.h"

namespace vorlenta {
namespace {

// Longer plain numbers take the general path; they are rare.
constexpr qsizetype PlainLimit = 64;

} // namespace

TokenNumberReader::TokenNumberReader()
{
    const QString point = QLocale().decimalPoint();
    if (point.size() == 1 && !(point.front() >= u'0' && point.front() <= u'9'))
        m_point = point.front();
}

std::optional<double> TokenNumberReader::read_plain(QStringView token) const
{
    if (token.isEmpty() || token.size() > PlainLimit || m_point.isNull())
        return std::nullopt;
    std::array<char, PlainLimit> chars{};
    bool point_seen = false;
    bool digit_seen = false;
    for (qsizetype i = 0; i < token.size(); ++i) {
        const QChar c = token[i];
        if (c >= u'0' && c <= u'9') {
            chars[std::size_t(i)] = char(c.unicode());
            digit_seen = true;
        } else if (c == m_point && !point_seen) {
            chars[std::size_t(i)] = '.';
            point_seen = true;
        } else {
            return std::nullopt;
        }
    }
    if (!digit_seen)
        return std::nullopt;
    const char *end = chars.data() + token.size();
    double value = 0.0;
    const auto [stop, error] = std::from_chars(chars.data(), end, value);
    if (error != std::errc() || stop != end)
        return std::nullopt; // out of range or a form from_chars reads differently
    return value;
}

std::optional<double> TokenNumberReader::read(QStringView token) const
{
    if (token.isEmpty())
        return std::nullopt;
    if (const auto plain = read_plain(token))
        return plain;
    const QString text = token.toString();
    if (const auto value = to_double(text))
        return value;
    if (is_numeric(text))
        throw EvalError::runtime(eval_errors::Overflow, QStringLiteral("CEval"));
    return std::nullopt;
}

} // namespace vorlenta
