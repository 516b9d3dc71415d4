// SPDX-License-Identifier: MIT
// Every calculator step in the precision it is stated in, to the bit: single
// where both operands are single, double where a constant or a power is, each
// rounding where the step has one. The expected values are the formulas in
// plain IEEE arithmetic, or the worked values where they are given.

#include <cmath>

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

double level_ground(double v)
{
    return ((0.0000066666 * std::pow(v, 5) + -0.00095833 * std::pow(v, 4)) + 0.0495 * std::pow(v, 3))
           + -0.84416 * std::pow(v, 2);
}

TEST(ExactValues, CyclingPower)
{
    const struct { float speed, bike, grade, body; } rows[] = {
        {30, 10, 0, 70}, {25, 9, 5, 70}, {30, 10, -5, 70}, {17.83f, 11.27f, 7.31f, 63.9f}, {41.5f, 6.8f, -3.3f, 91.3f},
    };
    for (const auto &r : rows) {
        const float climbing = ((r.bike + r.body) * 0.02722f) * r.grade;
        const double watts = level_ground(r.speed) + (5.983 + double(climbing)) * double(r.speed);
        const CyclingPower power = cycling_power(r.speed, r.bike, r.grade, r.body);
        EXPECT_EQ(power.watts.value(), watts) << r.speed;
        EXPECT_EQ(power.watts_per_kg.value(), watts / double(r.body)) << r.speed;
    }
    EXPECT_FALSE(cycling_power(30.0f, 10.0f, 5.0f, {}).watts_per_kg.value());
}

TEST(ExactValues, BodyMassAndStrength)
{
    EXPECT_EQ(fat_free_mass(72.5f, 18.3f).value(), 59.23249816894531f);
    EXPECT_EQ(target_body_mass(72.5f, 18.3f, 12.0f).value(), 67.93250274658203f);
    EXPECT_EQ(one_rep_max(100.0f, 10.0f, 80.0f).estimate.value(), 133.36889837289942);
    const struct { float load, reps, body; } rows[] = {{100, 10, 80}, {62.46f, 7.3f, 71.9f}, {187.3f, 3.7f, 93.1f}};
    for (const auto &r : rows) {
        const double estimate = double(100.0f * r.load) / (102.78 - 2.78 * double(r.reps));
        const OneRepMax max = one_rep_max(r.load, r.reps, r.body);
        EXPECT_EQ(max.estimate.value(), estimate) << r.load;
        EXPECT_EQ(max.per_kg.value(), float(estimate / double(r.body))) << r.load;
    }
    EXPECT_EQ(one_rep_max(100.0f, 10.0f, {}).per_kg.value(), 0.0f);
}

TEST(ExactValues, ConversionsAndAcceleration)
{
    EXPECT_EQ(kilograms_from_pounds(220.0f).value(), 99.99999999999999);
    EXPECT_EQ(pounds_from_kilograms(68.2f).value(), 150.0399932861328f);
    for (const float x : {72.5f, 63.9f, 117.3f}) {
        EXPECT_EQ(pounds_from_kilograms(x).value(), float(double(x) * 2.2));
        EXPECT_EQ(running_speed(x * 3.7f, 71.3f).value(), double((x * 3.7f) / 71.3f) * 3.544);
        EXPECT_EQ(cycling_power_for_speed(x / 5.0f, 71.3f).value(), float((double(x / 5.0f) / 3.544) * double(71.3f)));
    }
    const float d1 = 10.37f, t1 = 1.93f, d2 = 30.11f, t2 = 4.07f;
    EXPECT_EQ(acceleration(d1, t1, d2, t2).value(), ((d2 / t2) - (d1 / t1)) / (t2 - t1));
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
