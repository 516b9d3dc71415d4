// SPDX-License-Identifier: MIT
#include "cli/number_text.h"

#include <cmath>

#include <QLocale>

namespace vorlenta::cli {

QString number_text(double value, QChar decimal_separator)
{
    // Written in the C locale and given the separator afterwards, so that a
    // locale's own digits or group separators never reach the output.
    const double magnitude = std::fabs(value);
    const bool plain = value == 0 || (magnitude >= 1e-6 && magnitude < 1e16);
    QString text = QLocale::c().toString(value, plain ? 'f' : 'g', QLocale::FloatingPointShortest);
    if (text == QLatin1String("-0"))
        text = QStringLiteral("0");
    if (decimal_separator != QLatin1Char('.'))
        text.replace(QLatin1Char('.'), decimal_separator);
    return text;
}

std::optional<double> read_number(const QString &text, QChar decimal_separator)
{
    const QChar other = decimal_separator == QLatin1Char('.') ? QLatin1Char(',') : QLatin1Char('.');
    if (text.contains(other))
        return std::nullopt;
    QString point_text = text;
    point_text.replace(decimal_separator, QLatin1Char('.'));
    bool ok = false;
    const double value = QLocale::c().toDouble(point_text, &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

} // namespace vorlenta::cli
