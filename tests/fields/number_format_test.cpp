#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "fields/apiconstants.h"
#include "fields/number_format.h"
#include "locale_fixture.h"

namespace vorlenta {
namespace {

using testing::comma_locale;
using testing::in_comma_notation;
using testing::point_locale;
using testing::ScopedLocale;

struct NumericCase {
    const char *what;
    const char16_t *point_text; // as typed under a "." locale
    bool numeric;
};

// The same cases hold in a "," locale once the separators are exchanged.
const NumericCase numeric_cases[] = {
    {"whole number", u"80", true},
    {"one decimal", u"72.5", true},
    {"leading sign", u"-10", true},
    {"plus sign", u"+4", true},
    {"leading point", u".456", true},
    {"trailing point", u"5.", true},
    {"surrounding blanks", u" 7 ", true},
    {"exponent", u"1e5", true},
    {"exponent with sign", u"2.5E-3", true},
    {"too large for a double is still a number", u"1e400", true},
    {"empty", u"", false},
    {"blanks only", u"   ", false},
    {"letters", u"abc", false},
    {"designed text", u"Text12", false},
    {"lone point", u".", false},
    {"lone sign", u"-", false},
    {"two points", u"1.2.3", false},
    {"sign after digits", u"5-", false},
    {"exponent without digits", u"1e", false},
    {"infinity", u"inf", false},
    {"not a number", u"nan", false},
    {"hexadecimal", u"0x10", false},
    {"inner blank", u"1 000", false},
};

TEST(NumericTest, RecognisesNumbersInAPointLocale)
{
    const ScopedLocale locale(point_locale());
    for (const NumericCase &c : numeric_cases)
        EXPECT_EQ(is_numeric(QString::fromUtf16(c.point_text)), c.numeric) << c.what;
}

TEST(NumericTest, RecognisesNumbersInACommaLocale)
{
    const ScopedLocale locale(comma_locale());
    for (const NumericCase &c : numeric_cases)
        EXPECT_EQ(is_numeric(in_comma_notation(QString::fromUtf16(c.point_text))), c.numeric) << c.what;
}

TEST(NumericTest, GroupSeparatorsAreNoNumbers)
{
    {
        const ScopedLocale locale(point_locale());
        EXPECT_FALSE(is_numeric(QStringLiteral("1,000")));
        EXPECT_FALSE(is_numeric(QStringLiteral("1,5")));
    }
    const ScopedLocale locale(comma_locale());
    EXPECT_FALSE(is_numeric(QStringLiteral("1.000")));
    EXPECT_FALSE(is_numeric(QStringLiteral("1.5")));
}

TEST(ConversionTest, ReadsTheNearestValueOfEachType)
{
    const ScopedLocale locale(point_locale());
    EXPECT_EQ(to_single(QStringLiteral("68.2")), 68.2f);
    EXPECT_EQ(double(*to_single(QStringLiteral("68.2"))), 68.1999969482421875);
    EXPECT_EQ(to_double(QStringLiteral("68.2")), 68.2);
    EXPECT_EQ(to_double(QStringLiteral(".456")), 0.456);
    EXPECT_EQ(to_double(QStringLiteral("-2.5e3")), -2500.0);
}

TEST(ConversionTest, FailsOnNoNumberAndBeyondTheTypesRange)
{
    const ScopedLocale locale(point_locale());
    EXPECT_FALSE(to_single(QStringLiteral("abc")));
    EXPECT_FALSE(to_double(QString()));
    EXPECT_FALSE(to_single(QStringLiteral("1e39")));
    EXPECT_EQ(to_double(QStringLiteral("1e39")), 1e39);
    EXPECT_FALSE(to_double(QStringLiteral("1e400")));
    EXPECT_FALSE(to_double(QStringLiteral("-1e400")));
    EXPECT_EQ(to_single(QStringLiteral("3.4e38")), 3.4e38f);
    // Too small to represent is no error: it reads as zero.
    EXPECT_EQ(to_double(QStringLiteral("1e-400")), 0.0);
}

TEST(ConversionTest, ReadsTheCommaLocalesNotation)
{
    const ScopedLocale locale(comma_locale());
    EXPECT_EQ(to_single(QStringLiteral("72,5")), 72.5f);
    EXPECT_EQ(to_double(QStringLiteral("-0,5")), -0.5);
    EXPECT_FALSE(to_double(QStringLiteral("72.5")));
}

struct RenderCase {
    const char *what;
    double value;
    Pattern pattern;
    const char *point_text;
    const char *comma_text;
};

const RenderCase render_cases[] = {
    {"zero, two decimals", 0.0, Pattern::TwoDecimals, "0.00", "0,00"},
    {"rounds to one decimal", 12.44, Pattern::OneDecimal, "12.4", "12,4"},
    {"rounds up", 45.47, Pattern::OneDecimal, "45.5", "45,5"},
    {"whole watts", 141.997, Pattern::Whole, "142", "142"},
    {"negative keeps its sign", -184.64, Pattern::Whole, "-185", "-185"},
    {"negative one decimal", -22.0, Pattern::OneDecimal, "-22.0", "-22,0"},
    {"digit before the point", 0.456, Pattern::TwoDecimals, "0.46", "0,46"},
    {"no group separators", 125000.0, Pattern::TwoDecimals, "125000.00", "125000,00"},
    {"just below a whole", 99.99999999999999, Pattern::OneDecimal, "100.0", "100,0"},
    {"a tiny negative shows no sign", -0.001, Pattern::TwoDecimals, "0.00", "0,00"},
    {"negative zero shows no sign", -0.0, Pattern::Whole, "0", "0"},
};

TEST(RenderTest, WritesThePatternInThePointLocale)
{
    const ScopedLocale locale(point_locale());
    for (const RenderCase &c : render_cases)
        EXPECT_EQ(render(c.value, c.pattern), QString::fromLatin1(c.point_text)) << c.what;
}

TEST(RenderTest, WritesThePatternInTheCommaLocale)
{
    const ScopedLocale locale(comma_locale());
    for (const RenderCase &c : render_cases)
        EXPECT_EQ(render(c.value, c.pattern), QString::fromLatin1(c.comma_text)) << c.what;
}

TEST(RenderTest, AnUnsetValueRendersEmpty)
{
    const ScopedLocale locale(point_locale());
    EXPECT_EQ(render(std::optional<double>(), Pattern::OneDecimal), QString());
    EXPECT_EQ(render(std::optional<double>(2.0), Pattern::OneDecimal), QStringLiteral("2.0"));
}

TEST(ReadThroughPatternTest, RoundsToThePatternBeforeReading)
{
    const ScopedLocale locale(point_locale());
    EXPECT_EQ(read_through_pattern(QStringLiteral("12.44"), Pattern::OneDecimal), 12.4f);
    EXPECT_EQ(read_through_pattern(QStringLiteral(".456"), Pattern::TwoDecimals), 0.46f);
    EXPECT_EQ(read_through_pattern(QStringLiteral("5"), Pattern::TwoDecimals), 5.0f);
    EXPECT_FALSE(read_through_pattern(QStringLiteral("abc"), Pattern::TwoDecimals));
    EXPECT_FALSE(read_through_pattern(QStringLiteral("1e39"), Pattern::TwoDecimals));
}

TEST(ReadThroughPatternTest, WorksWithADecimalComma)
{
    const ScopedLocale locale(comma_locale());
    EXPECT_EQ(read_through_pattern(QStringLiteral("45,47"), Pattern::OneDecimal), 45.5f);
}

TEST(ShortestTest, RoundTripsEveryDigit)
{
    const ScopedLocale point(point_locale());
    for (const double value : {3.14159265358979, 0.1, 1e20, -2.5e-7, 123456789.125}) {
        const QString text = render_shortest(value);
        EXPECT_EQ(to_double(text), value) << text.toStdString();
    }
    EXPECT_EQ(render_shortest(3.14159265358979), QStringLiteral("3.14159265358979"));
    const ScopedLocale comma(comma_locale());
    EXPECT_EQ(render_shortest(2.5), QStringLiteral("2,5"));
    EXPECT_EQ(to_double(render_shortest(1e-300)), 1e-300);
}

TEST(DecimalSeparatorTest, IsTheUserLocalesSeparator)
{
    {
        const ScopedLocale locale(point_locale());
        EXPECT_EQ(apiconstants::get_locale_string(apiconstants::LOCALE_SDECIMAL), QStringLiteral("."));
    }
    const ScopedLocale locale(comma_locale());
    EXPECT_EQ(apiconstants::get_locale_string(apiconstants::LOCALE_SDECIMAL), QStringLiteral(","));
    EXPECT_EQ(apiconstants::get_locale_string(0), QString());
}

} // namespace
} // namespace vorlenta
