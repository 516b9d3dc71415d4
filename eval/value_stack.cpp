// SPDX-License-Identifier: MIT
#include <vorlenta/eval/value_stack.h>

#include "eval/counter16.h"

namespace vorlenta {
namespace {

// Slots are added this many at a time.
constexpr std::int16_t GrowthStep = 10;

const QString &stack_source()
{
    static const QString source = QStringLiteral("CStack");
    return source;
}

} // namespace

void CStack::Push(const VariantValue &Value)
{
    // Both counters are checked before either is stored, so a Push that fails
    // at the limit leaves a consistent stack behind: every held value stays
    // reachable and Pop never reads past the allocated slots.
    const std::int16_t count = add16(m_Count, 1, stack_source());
    if (count > m_Capacity) {
        // 32,760 + 10 passes 32,767: this is what limits the stack to MaxValues.
        const std::int16_t capacity = add16(m_Capacity, GrowthStep, stack_source());
        m_Values.resize(std::size_t(capacity));
        m_Capacity = capacity;
    }
    m_Values[std::size_t(count - 1)] = Value;
    m_Count = count;
}

VariantValue CStack::Pop()
{
    m_PendingError.reset();
    if (m_Count <= 0) {
        m_PendingError.emplace(eval_errors::EmptyStack, stack_source(),
                               QStringLiteral("Pop method invoked on empty stack"));
        return {};
    }
    --m_Count;
    return m_Values[std::size_t(m_Count)]; // the slot keeps its copy
}

VariantValue CStack::GetPopValue() const
{
    if (m_Count > 0)
        return m_Values[std::size_t(m_Count - 1)];
    throw EvalError(eval_errors::EmptyStack, stack_source(),
                    QStringLiteral("GetPopValue method invoked on empty stack"));
}

} // namespace vorlenta
