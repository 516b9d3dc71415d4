// SPDX-License-Identifier: MIT
#include "eval/variant_number.h"

#include <cmath>

#include "eval/locale_number.h"

namespace vorlenta {

bool is_numeric_value(const VariantValue &value)
{
    switch (value.kind()) {
    case VariantValue::Kind::Empty:
        return true;
    case VariantValue::Kind::Number:
        // An infinity or NaN has no text that reads back as a number, so an
        // expression could not use it.
        return std::isfinite(value.number());
    case VariantValue::Kind::Text:
        return is_numeric(value.text());
    }
    return false;
}

} // namespace vorlenta
