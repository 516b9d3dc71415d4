#include "calc/cycling_power.h"

#include "text_cases.h"

namespace vorlenta {
namespace {

using enum Field;
using testing::TextCase;

TEST(CyclingPower, IsDoublePrecisionToTheBit)
{
    const CyclingPower power = cycling_power(30.0f, 10.0f, 0.0f, 70.0f);
    EXPECT_EQ(power.watts, 141.99707999999995);
    EXPECT_EQ(power.watts_per_kg, 141.99707999999995 / 70.0) << "only the rider's mass divides";
}

// Speed, bike mass and grade, then the body mass, then watts and W/kg.
TextCase power(const char *protects, const char16_t *speed, const char16_t *bike,
               const char16_t *grade, Working<float> body_mass, const char16_t *watts,
               const char16_t *per_kg, bool comma = false)
{
    return {protects, {{Text16, speed}, {Text17, bike}, {Text18, grade}}, body_mass,
            {{Text19, watts}, {Text20, per_kg}}, comma};
}

TEST(CyclingPower, WritesWattsAndWattsPerKg)
{
    testing::check_cases(
        {
            power("level ground", u"30", u"10", u"0", 70.0f, u"142", u"2.0"),
            power("uphill", u"25", u"9", u"5", 70.0f, u"355", u"5.1"),
            power("downhill keeps its sign", u"30", u"10", u"-5", 70.0f, u"-185", u"-2.6"),
            power("a large negative power is not cut", u"41.9", u"10", u"-17", 70.0f, u"-1234", u"-17.6"),
            power("standing still", u"0", u"10", u"5", 70.0f, u"0", u"0.0"),
            power("an unreadable speed counts as 0", u"fast", u"10", u"5", 70.0f, u"0", u"0.0"),
            power("an unreadable grade gives no climbing", u"30", u"10", u"up", 70.0f, u"142", u"2.0"),
            power("an unreadable bike mass adds no mass", u"30", u"", u"5", 70.0f, u"428", u"6.1"),
            power("speed rounded to 0.46 first", u".456", u"930", u"10", 70.0f, u"128", u"1.8"),
            power("climbing coefficient in single", u"17.7", u"7.2", u"11", 76.4f, u"476", u"6.2"),
            power("times K before the grade", u"56.5", u"9.9", u"7.7", 52.4f, u"1381", u"26.4"),
            power("a climbing term beyond single is skipped", u"30", u"3e38", u"5", 3e38f, u"142", u"0.0"),
            power("no body mass yet: no W/kg", u"30", u"10", u"5", std::nullopt, u"183", u""),
            power("body mass 0: the bike climbs alone", u"30", u"10", u"5", 0.0f, u"183", u""),
            power("a negative body mass as it is", u"30", u"10", u"5", -70.0f, u"-103", u"1.5"),
            power("decimal comma", u"25,0", u"9", u"5", 70.0f, u"355", u"5,1", true),
        },
        calculate_cycling_power);
}

} // namespace
} // namespace vorlenta
