#include "calc/checked.h"

#include <limits>

#include <gtest/gtest.h>

namespace vorlenta {
namespace {

TEST(CheckedSteps, FailOnDivisorsThatCannotDivideAndResultsOutOfRange)
{
    EXPECT_FALSE(checked::quotient<float>(1.0f, std::nullopt)) << "unset is no hidden 1";
    EXPECT_FALSE(checked::quotient<float>(1.0f, -0.0f));
    EXPECT_FALSE(checked::product<float>(3e38f, 2.0f)) << "beyond the single range";
    EXPECT_TRUE(checked::product<double>(3e38f, 2.0f)) << "the same product fits a double";
    EXPECT_FALSE(checked::to_single(7e38)) << "narrowing beyond the single range";
    EXPECT_EQ(checked::to_single(1e-50), 0.0f) << "underflow is no failure";
    EXPECT_FALSE(checked::sum<float>(checked::quotient<float>(1.0f, 0.0f), 1.0f))
        << "a failed operand fails the whole step";
}

TEST(CheckedSteps, AFailedStepKeepsWhatTheTargetHeld)
{
    float started_at_zero = 0;
    assign_if_succeeded(started_at_zero, checked::quotient<float>(1.0f, 0.0f));
    EXPECT_EQ(started_at_zero, 0.0f);

    Working<double> started_unset;
    assign_if_succeeded(started_unset, checked::quotient<double>(1.0, 0.0));
    EXPECT_FALSE(started_unset) << "unset stays unset, it does not become 0";
    EXPECT_EQ(value_of(started_unset), 0.0) << "but counts as 0 in arithmetic";
}

} // namespace
} // namespace vorlenta
