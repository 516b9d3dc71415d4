// SPDX-License-Identifier: MIT
#include "checked_arithmetic.h"

#include <cmath>

#include "eval/runtime_error.h"

namespace vorlenta::arithmetic {
namespace {

[[noreturn]] void fail(std::int32_t number)
{
    static const QString source = QStringLiteral("CEval");
    throw runtime_error(number, source);
}

// Operands are always finite, so a result that is not is an overflow.
double finite(double result)
{
    if (!std::isfinite(result))
        fail(eval_errors::Overflow);
    return result;
}

} // namespace

double add(double left, double right)
{
    return finite(left + right);
}

double subtract(double left, double right)
{
    return finite(left - right);
}

double multiply(double left, double right)
{
    return finite(left * right);
}

double divide(double left, double right)
{
    if (right == 0.0)
        fail(eval_errors::DivisionByZero);
    return finite(left / right);
}

double power(double base, double exponent)
{
    if (base == 0.0 && exponent < 0.0)
        fail(eval_errors::DivisionByZero);
    if (base < 0.0 && exponent != std::trunc(exponent))
        fail(eval_errors::InvalidArgument);
    return finite(std::pow(base, exponent));
}

double square_root(double value)
{
    if (value < 0.0)
        fail(eval_errors::InvalidArgument);
    return std::sqrt(value);
}

double exponential(double value)
{
    return finite(std::exp(value));
}

double logarithm(double value)
{
    if (value <= 0.0)
        fail(eval_errors::InvalidArgument);
    return std::log(value);
}

double percent(double value)
{
    return value * 0.01;
}

double negate(double value)
{
    return -value;
}

} // namespace vorlenta::arithmetic
