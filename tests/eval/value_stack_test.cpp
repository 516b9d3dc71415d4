// CStack: growth, empty-stack errors, copies and kinds, and the size limit.

#include <gtest/gtest.h>

#include "eval/value_stack.h"

namespace vorlenta {
namespace {

TEST(ValueStackGrowth, TenPushesAllocateTenSlots)
{
    CStack stack;
    EXPECT_EQ(stack.capacity(), 0);
    for (int i = 1; i <= 10; ++i)
        stack.Push(double(i));
    EXPECT_EQ(stack.capacity(), 10);
    EXPECT_EQ(stack.StackSize(), 10);
}

TEST(ValueStackGrowth, EleventhPushGrowsToTwentyAndKeepsTheFirstTen)
{
    CStack stack;
    for (int i = 1; i <= 11; ++i)
        stack.Push(double(i));
    EXPECT_EQ(stack.capacity(), 20);
    for (int i = 11; i >= 1; --i)
        EXPECT_EQ(stack.Pop(), VariantValue(double(i)));
    EXPECT_EQ(stack.StackSize(), 0);
}

TEST(ValueStackGrowth, TakingValuesOffNeverShrinks)
{
    CStack stack;
    for (int i = 1; i <= 11; ++i)
        stack.Push(double(i));
    while (stack.StackSize() > 0)
        stack.Pop();
    EXPECT_EQ(stack.capacity(), 20);
}

TEST(ValueStackEmpty, PopReturnsEmptyAndLeavesTheErrorPending)
{
    CStack stack;
    VariantValue popped;
    EXPECT_NO_THROW(popped = stack.Pop());
    EXPECT_TRUE(popped.is_empty());
    EXPECT_EQ(stack.StackSize(), 0);
    ASSERT_TRUE(stack.pending_error().has_value());
    EXPECT_EQ(stack.pending_error()->number(), -2147221503);
    EXPECT_EQ(stack.pending_error()->description(),
              QStringLiteral("Pop method invoked on empty stack"));
}

TEST(ValueStackEmpty, NextPopClearsThePendingErrorOnEntry)
{
    CStack stack;
    stack.Pop();
    stack.Push(1.0);
    EXPECT_EQ(stack.Pop(), VariantValue(1.0));
    EXPECT_FALSE(stack.pending_error().has_value());
}

TEST(ValueStackEmpty, GetPopValueRaisesTheEmptyStackError)
{
    CStack stack;
    try {
        stack.GetPopValue();
        FAIL() << "GetPopValue on an empty stack raised nothing";
    } catch (const EvalError &error) {
        EXPECT_EQ(error.number(), -2147221503);
        EXPECT_EQ(error.description(), QStringLiteral("GetPopValue method invoked on empty stack"));
    }
    EXPECT_EQ(stack.StackSize(), 0);
}

TEST(ValueStackPeek, GetPopValueShowsWhatPopTakesWithoutTakingIt)
{
    CStack stack;
    stack.Push(QStringLiteral("("));
    stack.Push(2.5);
    const VariantValue peeked = stack.GetPopValue();
    EXPECT_EQ(stack.StackSize(), 2);
    EXPECT_EQ(stack.Pop(), peeked);
    EXPECT_EQ(peeked, VariantValue(2.5));
}

TEST(ValueStackValues, APushedValueIsACopy)
{
    CStack stack;
    QString text = QStringLiteral("12");
    VariantValue value(text);
    stack.Push(value);
    value = VariantValue(7.0);
    text[0] = u'9';
    EXPECT_EQ(stack.Pop(), VariantValue(QStringLiteral("12")));
}

TEST(ValueStackValues, TextsNumbersAndEmptyComeBackWithTheirKind)
{
    CStack stack;
    stack.Push(QStringLiteral("12"));
    stack.Push(12.0);
    stack.Push(VariantValue());
    EXPECT_TRUE(stack.Pop().is_empty());
    const VariantValue number = stack.Pop();
    ASSERT_TRUE(number.is_number());
    EXPECT_EQ(number.number(), 12.0);
    const VariantValue text = stack.Pop();
    ASSERT_TRUE(text.is_text());
    EXPECT_EQ(text.text(), QStringLiteral("12"));
}

TEST(ValueStackLimit, HoldsAtMost32760ValuesAndStaysUsableAfterTheOverflow)
{
    CStack stack;
    for (int i = 1; i <= CStack::MaxValues; ++i)
        stack.Push(double(i));
    EXPECT_EQ(stack.StackSize(), 32760);
    try {
        stack.Push(0.0);
        FAIL() << "the 32,761st push raised nothing";
    } catch (const EvalError &error) {
        EXPECT_EQ(error.number(), 6);
    }
    EXPECT_EQ(stack.StackSize(), 32760);
    EXPECT_EQ(stack.capacity(), 32760);
    EXPECT_EQ(stack.Pop(), VariantValue(32760.0));
}

} // namespace
} // namespace vorlenta
