// SPDX-License-Identifier: MIT
#pragma once

// The numeric test and reading as double of a symbol's text, in the user's
// locale (QLocale()).

#include <optional>

#include <QString>

namespace vorlenta {

// True when the text has the form of a number in the user's locale: an
// optional sign, digits with at most one decimal separator, an optional
// exponent, surrounded by white space at most. "1e400" is numeric.
bool is_numeric(const QString &text);

// The number the text denotes, correctly rounded; empty when the text is not
// numeric or lies beyond the double range.
std::optional<double> to_double(const QString &text);

} // namespace vorlenta
