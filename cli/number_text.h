// SPDX-License-Identifier: MIT
#pragma once

// Numbers as the command line reads and writes them, in the notation whose
// decimal separator is '.' or ','.

#include <optional>

#include <QChar>
#include <QString>

namespace vorlenta::cli {

// The shortest text that reads back to the same double: plain digits from
// 0.000001 up to 10^16 ("14", "2,5"), "1e+21" beyond; no group separators.
QString number_text(double value, QChar decimal_separator);

// A finite number written in the notation, with an optional sign and
// exponent ("-9,81", "2.5e3"); nothing when the text is no such number.
std::optional<double> read_number(const QString &text, QChar decimal_separator);

} // namespace vorlenta::cli
