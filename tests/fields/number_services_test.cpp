// SPDX-License-Identifier: MIT
// The number services in a decimal-point and a decimal-comma locale: every
// row is written in "." notation and runs in both.

#include <cmath>
#include <optional>

#include <gtest/gtest.h>

#include "fields/apiconstants.h"
#include "fields/number_format.h"
#include "tests/support/locale_scope.h"

namespace vorlenta {
namespace {

using namespace testing;

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
    {"68.2", true, 68.2, 68.2f},
    // Halfway between two singles only after rounding to double first.
    {"1.00000005960464477539062500001", true, 1.0000000596046448, 1.00000012f},
    {"1e39", true, 1e39, std::nullopt},
    {"1e400", true, std::nullopt, std::nullopt},
    {"1e-400", true, 0, 0},
    {"", false, {}, {}},         {"   ", false, {}, {}},   {"Text12", false, {}, {}},
    {".", false, {}, {}},        {"-", false, {}, {}},     {"1.2.3", false, {}, {}},
    {"5-", false, {}, {}},       {"1e", false, {}, {}},    {"inf", false, {}, {}},
    {"nan", false, {}, {}},      {"0x10", false, {}, {}},  {"1 000", false, {}, {}},
    {"1,000", false, {}, {}},
};

TEST(NumberServices, TestAndConvertInTheLocalesNotation)
{
    for (const Notation notation : both_notations) {
        const ScopedLocale locale(notation);
        for (const NumberRow &row : number_rows) {
            const QString text = in_notation(QString::fromLatin1(row.text), notation);
            SCOPED_TRACE(text.toStdString());
            EXPECT_EQ(is_numeric(text), row.numeric);
            EXPECT_EQ(to_double(text), row.as_double);
            EXPECT_EQ(to_single(text), row.as_single);
        }
    }
}

struct RenderRow {
    double value;
    Pattern pattern;
    const char *text;
};

const RenderRow render_rows[] = {
    {0.0, Pattern::TwoDecimals, "0.00"},      {12.44, Pattern::OneDecimal, "12.4"},
    {45.47, Pattern::OneDecimal, "45.5"},     {141.997, Pattern::Whole, "142"},
    {-184.64, Pattern::Whole, "-185"},        {-22.0, Pattern::OneDecimal, "-22.0"},
    {0.456, Pattern::TwoDecimals, "0.46"},    {125000.0, Pattern::TwoDecimals, "125000.00"},
    {99.99999999999999, Pattern::OneDecimal, "100.0"},
    {-0.001, Pattern::TwoDecimals, "0.00"},   {-0.0, Pattern::Whole, "0"},
};

TEST(NumberServices, RenderThePatternsAndReadThroughThem)
{
    for (const Notation notation : both_notations) {
        const ScopedLocale locale(notation);
        for (const RenderRow &row : render_rows)
            EXPECT_EQ(render(row.value, row.pattern), in_notation(QString::fromLatin1(row.text), notation));
        EXPECT_EQ(render(std::optional<double>(), Pattern::OneDecimal), QString());
        EXPECT_EQ(read_through_pattern(in_notation(QStringLiteral("12.44"), notation), Pattern::OneDecimal), 12.4f);
        EXPECT_EQ(read_through_pattern(in_notation(QStringLiteral(".456"), notation), Pattern::TwoDecimals), 0.46f);
        EXPECT_EQ(read_through_pattern(QStringLiteral("abc"), Pattern::TwoDecimals), std::nullopt);
        for (const double value : {3.14159265358979, 0.1, 1e20, -2.5e-7, 1e-300})
            EXPECT_EQ(to_double(render_shortest(value)), value);
        EXPECT_EQ(render_shortest(2.5), in_notation(QStringLiteral("2.5"), notation));
        EXPECT_EQ(apiconstants::get_locale_string(apiconstants::LOCALE_SDECIMAL),
                  in_notation(QStringLiteral("."), notation));
    }
}

} // namespace
} // namespace vorlenta
