// The variant value's numeric test and its reading for arithmetic.

#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "eval/eval_error.h"
#include "eval/variant_value.h"
#include "tests/eval/notation_fixture.h"

namespace vorlenta {
namespace {

using testing::Notation;
using testing::ScopedNotation;

TEST(VariantNumericTest, EmptyFiniteNumbersAndNumericTextsPass)
{
    const ScopedNotation scope(Notation::Point);
    EXPECT_TRUE(is_numeric_value(VariantValue()));
    EXPECT_TRUE(is_numeric_value(-0.0));
    EXPECT_TRUE(is_numeric_value(QStringLiteral("2.5")));
    EXPECT_TRUE(is_numeric_value(QStringLiteral("1e400"))); // a number, if not a double
    EXPECT_FALSE(is_numeric_value(QStringLiteral("")));
    EXPECT_FALSE(is_numeric_value(QStringLiteral("2,5")));
    EXPECT_FALSE(is_numeric_value(std::numeric_limits<double>::infinity()));
    EXPECT_FALSE(is_numeric_value(std::nan("")));
}

std::int32_t raised_number(const VariantValue &value)
{
    try {
        to_arithmetic(value);
    } catch (const EvalError &error) {
        return error.number();
    }
    return 0;
}

TEST(VariantArithmetic, EmptyIsZeroAndTextsAreReadInTheLocale)
{
    const ScopedNotation scope(Notation::Comma);
    EXPECT_EQ(to_arithmetic(VariantValue()), 0.0);
    EXPECT_EQ(to_arithmetic(7.25), 7.25);
    EXPECT_EQ(to_arithmetic(QStringLiteral("2,5")), 2.5);
    EXPECT_EQ(raised_number(QStringLiteral("abc")), 13);
    EXPECT_EQ(raised_number(QStringLiteral("1e400")), 6);
}

} // namespace
} // namespace vorlenta
