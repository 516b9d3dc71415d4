// SPDX-License-Identifier: MIT
// The number services in a decimal-point and a decimal-comma notation: every
// row is written in "." notation and runs in both.

#include <cmath>
#include <optional>

#include <gtest/gtest.h>

#include "fields/number_format.h"
#include "tests/support/notations.h"

namespace vorlenta::testing {
namespace {

struct NumberRow {
    const char *text;
    bool numeric;
    std::optional<double> as_double; // empty: the conversion fails
    std::optional<float> as_single;
};

const NumberRow number_rows[] = {
    {"80", true, 80, 80},
    {"-2.5E3", true, -2500, -2500},
    {"+4", true, 4, 4},
    {".456", true, 0.456, 0.456f},
    {"5.", true, 5, 5},
    {" 7 ", true, 7, 7},
    {"\u00a07\u2003", true, 7, 7},
    {"68.2", true, 68.2, 68.2f},
    // Halfway between two singles only after rounding to double first.
    {"1.00000005960464477539062500001", true, 1.0000000596046448, 1.00000012f},
    {"1e39", true, 1e39, std::nullopt},
    {"1e400", true, std::nullopt, std::nullopt},
    {"1e-400", true, 0, 0},
    {"", false, {}, {}},
    {"   ", false, {}, {}},
    {"Text12", false, {}, {}},
    {".", false, {}, {}},
    {"-", false, {}, {}},
    {"1.2.3", false, {}, {}},
    {"5-", false, {}, {}},
    {"1e", false, {}, {}},
    {"inf", false, {}, {}},
    {"nan", false, {}, {}},
    {"0x10", false, {}, {}},
    {"1 000", false, {}, {}},
    {"1,000", false, {}, {}},
    {"1\xff", false, {}, {}},
};

TEST(NumberServices, TestAndConvertInTheHostsNotation)
{
    for (const Notation notation : both_notations) {
        const vorlenta::Notation host = host_notation(notation);
        for (const NumberRow &row : number_rows) {
            const std::string text = in_notation(row.text, notation);
            SCOPED_TRACE(text);
            EXPECT_EQ(is_numeric(text, host), row.numeric);
            EXPECT_EQ(to_double(text, host), row.as_double);
            EXPECT_EQ(to_single(text, host), row.as_single);
        }
    }
}

struct RenderRow {
    double value;
    Pattern pattern;
    const char *text;
};

const RenderRow render_rows[] = {
    {0.0, Pattern::TwoDecimals, "0.00"},
    {12.44, Pattern::OneDecimal, "12.4"},
    {45.47, Pattern::OneDecimal, "45.5"},
    {141.997, Pattern::Whole, "142"},
    {-184.64, Pattern::Whole, "-185"},
    {-22.0, Pattern::OneDecimal, "-22.0"},
    {0.456, Pattern::TwoDecimals, "0.46"},
    {125000.0, Pattern::TwoDecimals, "125000.00"},
    {99.99999999999999, Pattern::OneDecimal, "100.0"},
    {-0.001, Pattern::TwoDecimals, "0.00"},
    {-0.0, Pattern::Whole, "0"},
    // An exact half goes away from zero; a double just below one stays below.
    {0.125, Pattern::TwoDecimals, "0.13"},
    {2.5, Pattern::Whole, "3"},
    {0.25, Pattern::OneDecimal, "0.3"},
    {-0.5, Pattern::Whole, "-1"},
    {2.675, Pattern::TwoDecimals, "2.67"},
    {1e23, Pattern::Whole, "99999999999999991611392"},
    {5e-324, Pattern::TwoDecimals, "0.00"},
};

TEST(NumberServices, RenderThePatternsAndReadThroughThem)
{
    for (const Notation notation : both_notations) {
        const vorlenta::Notation host = host_notation(notation);
        for (const RenderRow &row : render_rows)
            EXPECT_EQ(render(row.value, row.pattern, host), in_notation(row.text, notation)) << row.value;
        EXPECT_EQ(render(std::optional<double>(), Pattern::OneDecimal, host), "");
        EXPECT_EQ(read_through_pattern(in_notation("12.44", notation), Pattern::OneDecimal, host), 12.4f);
        EXPECT_EQ(read_through_pattern(in_notation(".456", notation), Pattern::TwoDecimals, host), 0.46f);
        EXPECT_EQ(read_through_pattern("abc", Pattern::TwoDecimals, host), std::nullopt);
    }
}

// A notation whose digits are not ASCII: each of the ten is shown and read
// as its own value, ASCII digits are read too.
TEST(NumberServices, ShowAndReadEachDigitOfTheNotationsScript)
{
    const vorlenta::Notation arabic{.decimal_point = "\u066b", .minus = "\u2212", .zero_digit = "\u0660"};
    const char *const digits[] = {"\u0660", "\u0661", "\u0662", "\u0663", "\u0664",
                                  "\u0665", "\u0666", "\u0667", "\u0668", "\u0669"};
    for (int digit = 0; digit <= 9; ++digit) {
        SCOPED_TRACE(digit);
        EXPECT_EQ(render(digit, Pattern::Whole, arabic), digits[digit]);
        EXPECT_EQ(to_double(digits[digit], arabic), digit);
    }
    EXPECT_EQ(render(-9.5, Pattern::OneDecimal, arabic), "\u2212\u0669\u066b\u0665");
    EXPECT_EQ(to_single("\u2212\u0669\u066b\u0665e\u0661", arabic), -95.0f);
    EXPECT_EQ(to_double("9\u066b5", arabic), 9.5);
}

} // namespace
} // namespace vorlenta::testing
