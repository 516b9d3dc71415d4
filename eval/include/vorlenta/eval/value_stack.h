// SPDX-License-Identifier: MIT
#pragma once

// CStack: a last-in, first-out store of variant values, with the evaluator's
// 16-bit limits: it holds at most 32,760 values. Copying copies the values.

#include <cstdint>
#include <memory>
#include <optional>

#include <vorlenta/eval/eval_error.h>
#include <vorlenta/eval/variant_value.h>
#include <vorlenta/eval_export.h>

namespace vorlenta {

class VORLENTA_EVAL_EXPORT CStack {
public:
    // The most values a stack holds: the largest multiple of its growth step
    // (10 slots) below 32,768.
    static constexpr std::int16_t MaxValues = 32760;

    CStack();
    CStack(const CStack &other);
    CStack(CStack &&other) noexcept;
    CStack &operator=(const CStack &other);
    CStack &operator=(CStack &&other) noexcept;
    ~CStack();

    std::int16_t StackSize() const noexcept;

    // Puts a copy of the value on top. Raises EvalError Overflow (6) when the
    // stack already holds MaxValues values; the stack is then unchanged.
    void Push(const VariantValue &Value);

    // Takes the top value off and returns it. On an empty stack it returns the
    // empty value and raises nothing: the EmptyStack error is left pending
    // (see pending_error) until the next Pop clears it on entry.
    VariantValue Pop();

    // Returns the top value and leaves it in place. Raises EvalError
    // EmptyStack on an empty stack.
    VariantValue GetPopValue() const;

    // The error the last Pop left pending, if any.
    std::optional<EvalError> pending_error() const;

private:
    class Private;
    std::unique_ptr<Private> d;
};

} // namespace vorlenta
