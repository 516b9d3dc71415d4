// SPDX-License-Identifier: MIT
#include "locale_notation.h"

namespace vorlenta {

Notation notation_of(const QLocale &locale)
{
    return {
        .decimal_point = to_model(locale.decimalPoint()),
        .minus = to_model(locale.negativeSign()),
        .plus = to_model(locale.positiveSign()),
        .exponent = to_model(locale.exponential()),
        .zero_digit = to_model(locale.zeroDigit()),
    };
}

} // namespace vorlenta
