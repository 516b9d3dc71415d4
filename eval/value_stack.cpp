// SPDX-License-Identifier: MIT
#include <vorlenta/eval/value_stack.h>

#include <vector>

#include "eval/counter16.h"

namespace vorlenta {
namespace {

// Slots are added this many at a time.
constexpr std::int16_t GrowthStep = 10;

} // namespace

class CStack::Private {
public:
    // Slot i of the array holds the value at stack index i + 1. Slots above
    // count keep what they last held; they are never read. Slots are added
    // ten at a time and never given back.
    std::vector<VariantValue> values;
    std::int16_t capacity = 0;
    std::int16_t count = 0;
    std::optional<EvalError> pending_error;
};

// A moved-from stack has no Private: it is an empty one until a Push or a
// Pop (which keeps its pending error there) makes one.
CStack::CStack() : d(std::make_unique<Private>()) {}
CStack::CStack(const CStack &other) : d(other.d ? std::make_unique<Private>(*other.d) : std::make_unique<Private>()) {}
CStack::CStack(CStack &&other) noexcept = default;
CStack &CStack::operator=(CStack &&other) noexcept = default;
CStack::~CStack() = default;

CStack &CStack::operator=(const CStack &other)
{
    if (this != &other)
        d = other.d ? std::make_unique<Private>(*other.d) : std::make_unique<Private>();
    return *this;
}

std::int16_t CStack::StackSize() const noexcept
{
    return d ? d->count : 0;
}

void CStack::Push(const VariantValue &Value)
{
    if (!d)
        d = std::make_unique<Private>();
    // Both counters are checked before either is stored, so a Push that fails
    // at the limit leaves a consistent stack behind: every held value stays
    // reachable and Pop never reads past the allocated slots.
    const std::int16_t count = add16(d->count, 1, StackSource);
    if (count > d->capacity) {
        // 32,760 + 10 passes 32,767: this is what limits the stack to MaxValues.
        const std::int16_t capacity = add16(d->capacity, GrowthStep, StackSource);
        d->values.resize(std::size_t(capacity));
        d->capacity = capacity;
    }
    d->values[std::size_t(count - 1)] = Value;
    d->count = count;
}

VariantValue CStack::Pop()
{
    if (!d)
        d = std::make_unique<Private>();
    d->pending_error.reset();
    if (d->count <= 0) {
        d->pending_error.emplace(eval_errors::EmptyStack, StackSource, "Pop method invoked on empty stack");
        return {};
    }
    --d->count;
    return d->values[std::size_t(d->count)]; // the slot keeps its copy
}

VariantValue CStack::GetPopValue() const
{
    if (d && d->count > 0)
        return d->values[std::size_t(d->count - 1)];
    throw EvalError(eval_errors::EmptyStack, StackSource, "GetPopValue method invoked on empty stack");
}

std::optional<EvalError> CStack::pending_error() const
{
    return d ? d->pending_error : std::nullopt;
}

} // namespace vorlenta
