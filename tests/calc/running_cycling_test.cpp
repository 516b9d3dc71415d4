#include "calc/running_cycling.h"

#include "text_cases.h"

namespace vorlenta {
namespace {

using enum Field;
using testing::TextCase;

TEST(RunningCycling, KeepsTheStatedPrecisions)
{
    EXPECT_EQ(running_speed(250.0f, 70.0f), 12.657142736434936) << "W/kg in single, then double";
    EXPECT_EQ(cycling_power_for_speed(8.7f, 88.6f), 217.49998474121094f) << "double, then single";
}

// Running speed and power before, the body mass, both texts after.
TextCase conversion(const char *protects, const char16_t *speed, const char16_t *power,
                    Working<float> body_mass, const char16_t *speed_after,
                    const char16_t *power_after, bool comma = false)
{
    return {protects, {{Text21, speed}, {Text22, power}}, body_mass,
            {{Text21, speed_after}, {Text22, power_after}}, comma};
}

TEST(RunningCycling, PowerToSpeedWritesOnlyASpeed)
{
    const auto convert = [](TextStore &store, Working<float> body_mass) {
        EXPECT_EQ(convert_cyclingtorunning(store, body_mass), Conversion::Done);
    };
    testing::check_cases(
        {
            conversion("250 W for 70 kg", u"0.0", u"250", 70.0f, u"12.7", u"250"),
            conversion("a negative body mass turns the sign", u"0.0", u"250", -70.0f, u"-12.7", u"250"),
            conversion("a speed of 0 is not written", u"0", u"0.0", 70.0f, u"0", u"0.0"),
            conversion("a power that is no number", u"0.0", u"lots", 70.0f, u"0.0", u"lots"),
            conversion("a power beyond single counts 0", u"0.0", u"1e39", 70.0f, u"0.0", u"1e39"),
            conversion("decimal comma", u"0,0", u"250", 70.0f, u"12,7", u"250", true),
        },
        convert);
}

TEST(RunningCycling, SpeedToPowerWritesOnlyAPower)
{
    const auto convert = [](TextStore &store, Working<float> body_mass) {
        EXPECT_EQ(convert_runningtocycling(store, body_mass), Conversion::Done);
    };
    testing::check_cases(
        {
            conversion("12 km/h for 70 kg", u"12", u"0.0", 70.0f, u"12", u"237"),
            conversion("back from a rounded speed", u"12.7", u"0.0", 70.0f, u"12.7", u"251"),
            conversion("held in single before shown", u"8.7", u"0.0", 88.6f, u"8.7", u"217"),
            conversion("a power of 0 is not written", u"0", u"0.0", 70.0f, u"0", u"0.0"),
            conversion("a speed that is no number", u"quick", u"0.0", 70.0f, u"quick", u"0.0"),
            conversion("a power beyond single", u"1e38", u"0.0", 1e38f, u"1e38", u"0.0"),
            conversion("decimal comma", u"12,7", u"0,0", 70.0f, u"12,7", u"251", true),
        },
        convert);
}

TEST(RunningCycling, ClickConvertsFromTheFieldTypedLast)
{
    testing::check_cases(
        {
            conversion("speed 0: power to speed", u"0.0", u"250", 70.0f, u"12.7", u"250"),
            conversion("both non-zero: speed to power", u"12", u"250", 70.0f, u"12", u"237"),
            conversion("a speed being typed counts 0", u"", u"250", 70.0f, u"12.7", u"250"),
        },
        [](TextStore &store, Working<float> body_mass) { exchange_running_cycling(store, body_mass); });
}

TEST(RunningCycling, AsksForABodyMassAndWritesNothing)
{
    for (const Working<float> body_mass : {Working<float>(), Working<float>(0.0f)}) {
        SCOPED_TRACE(body_mass ? "body mass 0" : "body mass never read");
        TextStore store = testing::store_with({{Text21, u"12"}, {Text22, u"250"}});
        EXPECT_EQ(convert_cyclingtorunning(store, body_mass), Conversion::BodyMassMissing);
        EXPECT_EQ(convert_runningtocycling(store, body_mass), Conversion::BodyMassMissing);
        EXPECT_EQ(exchange_running_cycling(store, body_mass), Conversion::BodyMassMissing);
        EXPECT_EQ(store.text(Text21), testing::text(u"12"));
        EXPECT_EQ(store.text(Text22), testing::text(u"250"));
    }
}

} // namespace
} // namespace vorlenta
