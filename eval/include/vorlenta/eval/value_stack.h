// SPDX-License-Identifier: MIT
#pragma once

// CStack: a last-in, first-out store of variant values, with the evaluator's
// 16-bit limits: it holds at most 32,760 values.

#include <cstdint>
#include <optional>
#include <vector>

#include <vorlenta/eval/eval_error.h>
#include <vorlenta/eval/variant_value.h>
#include <vorlenta/eval_export.h>

namespace vorlenta {

class VORLENTA_EVAL_EXPORT CStack {
public:
    // The most values a stack holds: the largest multiple of its growth step
    // (10 slots) below 32,768.
    static constexpr std::int16_t MaxValues = 32760;

    std::int16_t StackSize() const noexcept { return m_Count; }

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
    const std::optional<EvalError> &pending_error() const noexcept { return m_PendingError; }

private:
    // Slot i of the array holds the value at stack index i + 1. Slots above
    // m_Count keep what they last held; they are never read. Slots are added
    // ten at a time and never given back.
    std::vector<VariantValue> m_Values;
    std::int16_t m_Capacity = 0;
    std::int16_t m_Count = 0;
    std::optional<EvalError> m_PendingError;
};

} // namespace vorlenta
