#pragma once

// The arithmetic every calculator step is built from.
//
// A step either yields its value or fails; a failing step is skipped and what
// it would have assigned keeps its value. A step fails on a division by zero
// or by a value no step has assigned yet, and on any result that is not a
// finite number of the step's precision (a single-precision result beyond the
// single range included). Nothing is reported: the calculation goes on with
// its next step.
//
// A working value that no step has assigned yet is "unset" (an empty
// optional). It is not a hidden 0: it renders as an empty text. In arithmetic
// it counts as 0, it is not greater than 0, and as a divisor it fails.
//
// The operations take the precision as their template argument so that each
// call shows whether its step is single (float) or double precision.

#include <cmath>
#include <limits>
#include <optional>

namespace vorlenta {

static_assert(std::numeric_limits<float>::is_iec559 && std::numeric_limits<double>::is_iec559,
              "every result must equal IEEE single or double arithmetic");

template <typename T>
using Working = std::optional<T>;

// The value a working value contributes to arithmetic: unset counts as 0.
template <typename T>
constexpr T value_of(const Working<T> &value)
{
    return value.value_or(T(0));
}

// Only that a value can become unset matters to a divisor; widening float to
// double is exact, so nothing else changes.
inline Working<double> widened(const Working<float> &value)
{
    return value ? Working<double>(double(*value)) : std::nullopt;
}

// Runs one step under the skip-on-error rule: the target takes the result
// only when the step succeeded, and otherwise keeps what it held.
template <typename T>
void assign_if_succeeded(T &target, const Working<T> &result)
{
    if (result)
        target = *result;
}
template <typename T>
void assign_if_succeeded(Working<T> &target, const Working<T> &result)
{
    if (result)
        target = result;
}

namespace checked {

// The operands are the step's own intermediate results: an operand whose
// operation failed fails the whole step. A working value left unset by an
// earlier step is passed as value_of(x) instead, so that it counts as 0.

template <typename T>
Working<T> finite(T result)
{
    return std::isfinite(result) ? Working<T>(result) : std::nullopt;
}

template <typename T>
Working<T> sum(const Working<T> &a, const Working<T> &b)
{
    return a && b ? finite<T>(*a + *b) : std::nullopt;
}

template <typename T>
Working<T> difference(const Working<T> &a, const Working<T> &b)
{
    return a && b ? finite<T>(*a - *b) : std::nullopt;
}

template <typename T>
Working<T> product(const Working<T> &a, const Working<T> &b)
{
    return a && b ? finite<T>(*a * *b) : std::nullopt;
}

// A divisor of 0 (either sign) fails the step, and so does an unset one.
template <typename T>
Working<T> quotient(const Working<T> &dividend, const Working<T> &divisor)
{
    if (!dividend || !divisor || *divisor == T(0))
        return std::nullopt;
    return finite<T>(*dividend / *divisor);
}

// base raised to a whole exponent, as a double-precision power.
inline Working<double> power(const Working<double> &base, int exponent)
{
    return base ? finite<double>(std::pow(*base, double(exponent))) : std::nullopt;
}

// Rounds a double to the nearest single; a value that leaves the single range
// fails. (IEEE narrowing gives an infinity there, which the test catches.)
inline Working<float> to_single(const Working<double> &value)
{
    return value ? finite<float>(static_cast<float>(*value)) : std::nullopt;
}

} // namespace checked
} // namespace vorlenta
