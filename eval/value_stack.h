#pragma once

// CStack: the evaluator's last-in, first-out store of variant values, used as
// the operator stack of the conversion and as the value stack of the
// evaluation. One is created per conversion and per evaluation.

#include <cstdint>
#include <optional>
#include <vector>

#include "eval/eval_error.h"
#include "eval/variant_value.h"

namespace vorlenta {

class CStack {
public:
    // Slots are added this many at a time; the stack never holds more than
    // MaxValues values (the largest multiple of 10 below 32,768).
    static constexpr std::int16_t GrowthStep = 10;
    static constexpr std::int16_t MaxValues = 32760;

    std::int16_t StackSize() const noexcept { return m_Count; }

    // Puts a copy of the value on top. Raises overflow (6) when the stack
    // already holds MaxValues values; the stack is then unchanged.
    void Push(const VariantValue &Value);

    // Takes the top value off and returns it. On an empty stack it returns the
    // empty value and raises nothing: the empty-stack error is left pending
    // (see pending_error) until the next Pop clears it on entry.
    VariantValue Pop();

    // Returns the top value and leaves it in place. Raises the empty-stack
    // error on an empty stack.
    VariantValue GetPopValue() const;

    // The error the last Pop left pending, if any.
    const std::optional<EvalError> &pending_error() const noexcept { return m_PendingError; }

    // The number of allocated slots; grows by GrowthStep and never shrinks.
    std::int16_t capacity() const noexcept { return m_Capacity; }

private:
    // Slot i of the array holds the value at stack index i + 1. Slots above
    // m_Count keep what they last held; they are never read.
    std::vector<VariantValue> m_Values;
    std::int16_t m_Capacity = 0;
    std::int16_t m_Count = 0;
    std::optional<EvalError> m_PendingError;
};

} // namespace vorlenta
