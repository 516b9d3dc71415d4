#include "calc/mass_conversion.h"

#include "text_cases.h"

namespace vorlenta {
namespace {

using enum Field;
using testing::TextCase;

TEST(MassConversion, KeepsTheStatedPrecisions)
{
    EXPECT_EQ(pounds_from_kilograms(68.2f), 150.0399932861328f) << "double product held in single";
    EXPECT_EQ(pounds_from_kilograms(77.7f), 170.9399871826172f) << "not a single product";
    EXPECT_EQ(kilograms_from_pounds(220.0f), 99.99999999999999) << "the quotient stays double";
}

// Kilograms and pounds before a click on Command1, and after it.
TextCase click(const char *protects, const char16_t *kg, const char16_t *lb,
               const char16_t *kg_after, const char16_t *lb_after, bool comma = false)
{
    return {protects, {{Text1, kg}, {Text23, lb}}, std::nullopt, {{Text1, kg_after}, {Text23, lb_after}},
            comma};
}

TEST(MassConversion, ConvertsAwayFromANonZeroKilogramValue)
{
    testing::check_cases(
        {
            click("150 lb", u"0.0", u"150", u"68.2", u"150"),
            click("220 lb: just below 100 shows 100", u"0.0", u"220", u"100.0", u"220"),
            click("1 lb", u"0.0", u"1", u"0.5", u"1"),
            click("pounds rounded to one decimal first", u"0.0", u"12.44", u"5.6", u"12.44"),
            click("pounds that are no number count 0", u"0.0", u"abc", u"0.0", u"abc"),
            click("as after loading", u"0.00", u"0.00", u"0.0", u"0.00"),
            click("kilograms still being typed count 0", u"", u"150", u"68.2", u"150"),
            click("a lone sign counts 0", u"-", u"150", u"68.2", u"150"),
            click("kilograms rounded to one decimal first", u"45.47", u"0.0", u"45.47", u"100.1"),
            click("68.2 kg", u"68.2", u"0.0", u"68.2", u"150.0"),
            click("a negative value converts to pounds", u"-10", u"0.0", u"-10", u"-22.0"),
            click("a long result is not cut", u"500", u"0.0", u"500", u"1100.0"),
            click("pounds beyond single: field kept", u"2e38", u"150", u"2e38", u"150"),
            click("decimal comma", u"0,0", u"12,44", u"5,6", u"12,44", true),
        },
        [](TextStore &store, Working<float>) { exchange_mass_units(store); });
}

} // namespace
} // namespace vorlenta
