#include "variant_value.h"

#include <cmath>

#include "eval/eval_error.h"
#include "fields/number_format.h"

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

double to_arithmetic(const VariantValue &value)
{
    switch (value.kind()) {
    case VariantValue::Kind::Empty:
        return 0.0;
    case VariantValue::Kind::Number:
        return value.number();
    case VariantValue::Kind::Text:
        if (const auto number = to_double(value.text()))
            return *number;
        throw EvalError::runtime(is_numeric(value.text()) ? eval_errors::Overflow
                                                          : eval_errors::TypeMismatch,
                                 QStringLiteral("CEval"));
    }
    return 0.0;
}

} // namespace vorlenta
