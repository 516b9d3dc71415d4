// SPDX-License-Identifier: MIT
// CStack: last in, first out with kinds kept; the empty-stack errors; the
// limit of 32,760 values.

#include "eval_test_support.h"

using namespace vorlenta::eval_test;

TEST(Stack, GivesValuesBackLastFirstWithTheirKindAndReportsWhenEmpty)
{
    CStack stack;
    stack.Push("12");
    stack.Push(12.0);
    EXPECT_EQ(stack.GetPopValue(), VariantValue(12.0));
    EXPECT_EQ(stack.Pop(), VariantValue(12.0));
    EXPECT_EQ(stack.Pop(), VariantValue("12"));
    EXPECT_TRUE(stack.Pop().is_empty());
    const std::string empty = "raised -2147221503 at 0: "; // 0x80040001
    EXPECT_EQ(raised([&] { throw stack.pending_error().value(); }), empty + "Pop method invoked on empty stack");
    EXPECT_EQ(raised([&] { stack.GetPopValue(); }), empty + "GetPopValue method invoked on empty stack");
    stack.Push(VariantValue());
    EXPECT_TRUE(stack.Pop().is_empty() && !stack.pending_error()); // the next Pop clears the error
}

TEST(Stack, The32761stPushOverflowsAndLeavesTheStackWhole)
{
    CStack stack;
    for (int i = 1; i <= 32760; ++i)
        stack.Push(double(i));
    EXPECT_EQ(raised([&] { stack.Push(0.0); }), "raised 6 at 0: Overflow");
    EXPECT_EQ(stack.StackSize(), 32760);
    EXPECT_EQ(stack.Pop(), VariantValue(32760.0));
}
