// SPDX-License-Identifier: MIT
#pragma once

// The arithmetic every calculator step is built from.
//
// A Checked<T> is a working value of single (float) or double precision that
// is set, unset (no step has assigned it yet) or failed (the operation that
// made it failed). Its operators keep IEEE arithmetic to the bit and read like
// the formula they compute:
// - an operation between two singles is single; with a double operand, double
//   (the single widens exactly); a power is always double;
// - an unset operand counts as 0, but as a divisor it fails the operation, as
//   does a divisor of 0 and a result that is no finite number of its precision;
// - a failed operand fails the result.
//
// `x.step(formula)` runs one step under the skip-on-error rule: x takes the
// result when the step succeeded and otherwise keeps what it held. Nothing is
// reported; the calculation goes on with its next step. An unset value is not
// a hidden 0: it is not greater than 0 and renders as an empty text.

#include <cmath>
#include <concepts>
#include <functional>
#include <limits>
#include <optional>
#include <type_traits>
#include <utility>

namespace vorlenta {

static_assert(std::numeric_limits<float>::is_iec559 && std::numeric_limits<double>::is_iec559,
              "every result must equal IEEE single or double arithmetic");

template <typename T>
concept Precision = std::same_as<T, float> || std::same_as<T, double>;

template <Precision T>
class Checked {
public:
    Checked() = default;
    Checked(T value) : m_state(std::isfinite(value) ? State::Set : State::Failed), m_value(value) {}
    // A reading that may have failed (an empty optional).
    explicit Checked(std::optional<T> value) : Checked(value ? Checked(*value) : failure()) {}
    // clang-format 14 cannot lay out a requires-clause.
    // clang-format off
    // A single widens to double exactly.
    template <Precision U>
        requires std::same_as<U, float> && std::same_as<T, double>
    Checked(const Checked<U> &single)
        : Checked(single.failed() ? failure() : single.is_set() ? Checked(single.or_zero()) : Checked())
    {
    }
    // clang-format on

    static Checked failure()
    {
        Checked failed;
        failed.m_state = State::Failed;
        return failed;
    }

    bool is_set() const { return m_state == State::Set; }
    bool failed() const { return m_state == State::Failed; }
    // What the value counts as in arithmetic.
    T or_zero() const { return is_set() ? m_value : T(0); }
    // Empty while unset (or failed).
    std::optional<T> value() const { return is_set() ? std::optional<T>(m_value) : std::nullopt; }

    // One step under the skip-on-error rule.
    void step(const Checked &result)
    {
        if (!result.failed())
            *this = result;
    }

private:
    enum class State { Unset, Set, Failed };
    State m_state = State::Unset;
    T m_value = 0;
};

namespace checked_detail {

template <typename T>
struct Of; // the Checked type an operand stands for
template <Precision T>
struct Of<T> {
    using type = Checked<T>;
};
template <Precision T>
struct Of<Checked<T>> {
    using type = Checked<T>;
};
template <typename T>
constexpr bool is_checked = false;
template <Precision T>
constexpr bool is_checked<Checked<T>> = true;

// Two operands of which at least one is Checked, the other Checked or a
// constant of its own precision (100.0f is single, 2.78 double).
// clang-format off
template <typename L, typename R>
concept Operands = requires { typename Of<L>::type; typename Of<R>::type; } && (is_checked<L> || is_checked<R>);
// clang-format on

template <typename L, typename R>
using Result = Checked<decltype(std::declval<L>() * std::declval<R>())>;

template <typename T>
auto plain(const T &x)
{
    if constexpr (is_checked<T>)
        return x.or_zero();
    else
        return x;
}

template <typename L, typename R, typename Operation>
auto combine(const L &a, const R &b, Operation operation)
{
    using Out = Result<decltype(plain(a)), decltype(plain(b))>;
    const typename Of<L>::type left(a);
    const typename Of<R>::type right(b);
    if (left.failed() || right.failed())
        return Out::failure();
    using W = decltype(plain(a) * plain(b));
    return Out(operation(W(left.or_zero()), W(right.or_zero())));
}

} // namespace checked_detail

// clang-format 14 cannot lay out a requires-clause.
// clang-format off
template <typename L, typename R>
    requires checked_detail::Operands<L, R>
auto operator+(const L &a, const R &b)
{
    return checked_detail::combine(a, b, [](auto x, auto y) { return x + y; });
}

template <typename L, typename R>
    requires checked_detail::Operands<L, R>
auto operator-(const L &a, const R &b)
{
    return checked_detail::combine(a, b, [](auto x, auto y) { return x - y; });
}

template <typename L, typename R>
    requires checked_detail::Operands<L, R>
auto operator*(const L &a, const R &b)
{
    return checked_detail::combine(a, b, [](auto x, auto y) { return x * y; });
}

template <typename L, typename R>
    requires checked_detail::Operands<L, R>
auto operator/(const L &a, const R &b)
{
    const typename checked_detail::Of<R>::type divisor(b);
    if (!divisor.is_set() || divisor.or_zero() == 0)
        return decltype(checked_detail::combine(a, b, std::divides<>()))::failure();
    return checked_detail::combine(a, b, [](auto x, auto y) { return x / y; });
}

// clang-format on

// base raised to a whole exponent: a double-precision power.
template <Precision T>
Checked<double> pow(const Checked<T> &base, int exponent)
{
    if (base.failed())
        return Checked<double>::failure();
    return Checked<double>(std::pow(double(base.or_zero()), double(exponent)));
}

// Rounds to the nearest single; a value beyond the single range fails.
inline Checked<float> to_single(const Checked<double> &value)
{
    if (!value.is_set())
        return value.failed() ? Checked<float>::failure() : Checked<float>();
    return Checked<float>(static_cast<float>(value.or_zero()));
}

} // namespace vorlenta
