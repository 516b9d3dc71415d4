// SPDX-License-Identifier: MIT
// Every calculator step in the precision it is stated in, to the bit: single
// where both operands are single, double where a constant or a power is, each
// rounding where the step has one.

#include <gtest/gtest.h>

#include "calc/acceleration.h"
#include "calc/calc_model.h"
#include "calc/cycling_power.h"
#include "calc/fat_free_mass.h"
#include "calc/mass_conversion.h"
#include "calc/one_rep_max.h"
#include "calc/running_cycling.h"

namespace vorlenta {
namespace {

// Worked values: each step worked out in the precision the calculation
// states (single where both operands are single, double where a constant or a
// power is), written out to the last bit.
TEST(ExactValues, CyclingPower)
{
    const struct {
        float speed, bike, grade, body;
        double watts, per_kg;
    } rows[] = {
        {30, 10, 0, 70, 141.99707999999995, 2.0285297142857135},
        {25, 9, 5, 70, 354.965852355957, 5.070940747942243},
        {30, 10, -5, 70, -184.64290603820805, -2.6377558005458295},
        {17.83f, 11.27f, 7.31f, 63.9f, 300.7378657871592, 4.706382763783866},
        {41.5f, 6.8f, -3.3f, 91.3f, -55.24365653060498, -0.6050783645569808},
    };
    for (const auto &r : rows) {
        const CyclingPower power = cycling_power(r.speed, r.bike, r.grade, r.body);
        EXPECT_EQ(power.watts.value(), r.watts) << r.speed;
        EXPECT_EQ(power.watts_per_kg.value(), r.per_kg) << r.speed;
    }
    EXPECT_FALSE(cycling_power(30.0f, 10.0f, 5.0f, {}).watts_per_kg.value());
}

TEST(ExactValues, BodyMassAndStrength)
{
    EXPECT_EQ(fat_free_mass(72.5f, 18.3f).value(), 59.23249816894531f);
    EXPECT_EQ(target_body_mass(72.5f, 18.3f, 12.0f).value(), 67.93250274658203f);
    const struct {
        float load, reps, body;
        double estimate;
        float per_kg;
    } rows[] = {
        {100, 10, 80, 133.36889837289942, 1.6671112775802612f},
        {62.46f, 7.3f, 71.9f, 75.72194117972775, 1.0531563758850098f},
        {187.3f, 3.7f, 93.1f, 202.49962188729538, 2.175076484680176f},
    };
    for (const auto &r : rows) {
        const OneRepMax max = one_rep_max(r.load, r.reps, r.body);
        EXPECT_EQ(max.estimate.value(), r.estimate) << r.load;
        EXPECT_EQ(max.per_kg.value(), r.per_kg) << r.load;
    }
    EXPECT_EQ(one_rep_max(100.0f, 10.0f, {}).per_kg.value(), 0.0f);
}

TEST(ExactValues, ConversionsAndAcceleration)
{
    EXPECT_EQ(kilograms_from_pounds(220.0f).value(), 99.99999999999999);
    EXPECT_EQ(pounds_from_kilograms(68.2f).value(), 150.0399932861328f);
    // A body mass x in kilograms; a power of 3.7 x watts and a speed of x/5
    // km/h for a rider of 71.3 kg.
    const struct {
        float x, pounds;
        double speed;
        float power;
    } rows[] = {
        {72.5f, 159.5f, 13.33349154663086, 291.7184143066406f},
        {63.9f, 140.5800018310547f, 11.751864233016969, 257.1145935058594f},
        {117.3f, 258.05999755859375f, 21.57267067337036, 471.98028564453125f},
    };
    for (const auto &r : rows) {
        EXPECT_EQ(pounds_from_kilograms(r.x).value(), r.pounds) << r.x;
        EXPECT_EQ(running_speed(r.x * 3.7f, 71.3f).value(), r.speed) << r.x;
        EXPECT_EQ(cycling_power_for_speed(r.x / 5.0f, 71.3f).value(), r.power) << r.x;
    }
    EXPECT_EQ(acceleration(10.37f, 1.93f, 30.11f, 4.07f).value(), 0.946250855922699f);
    EXPECT_TRUE(acceleration(10.0f, 2.0f, 30.0f, 2.0f).failed());
}

// Only reachable without the window, which rewrites Text11 when it is left:
// results never follow a body mass that Text11 no longer shows.
TEST(BodyMassGuard, ResultsWaitForTheBodyMassFieldToShowANumber)
{
    CalcModel model;
    TextStore &store = model.store();
    const auto type = [&](Field field, const char *text) { store.set_text(field, text); };
    type(Field::Text11, "80"), type(Field::Text12, "20"), type(Field::Text14, "15"), type(Field::Text2, "100");
    type(Field::Text3, "10"), type(Field::Text11, "abc"), type(Field::Text12, "10"), type(Field::Text3, "5");
    EXPECT_EQ(store.text(Field::Text13), "64.00");
    EXPECT_EQ(store.text(Field::Text4), "133.37");
}

} // namespace
} // namespace vorlenta
