// SPDX-License-Identifier: MIT
#include "cycling_power.h"

#include "calc/field_values.h"

namespace vorlenta {
namespace {

// Level-ground coefficients of v^5 … v^1, in double precision.
constexpr double c5 = 0.0000066666;
constexpr double c4 = -0.00095833;
constexpr double c3 = 0.0495;
constexpr double c2 = -0.84416;
constexpr double c1 = 5.983;
// Climbing coefficient in W per kg, per % of grade, per km/h. Held in single
// precision, so the climbing term is single-precision arithmetic throughout.
constexpr float k = 0.02722f;

} // namespace

CyclingPower cycling_power(Checked<float> v, Checked<float> bike_mass, Checked<float> grade, Checked<float> body_mass)
{
    // Each step is skipped on its own when it fails: a climbing term beyond
    // the single range adds no climbing power, as an unreadable grade does.
    Checked<float> climbing;
    climbing.step((bike_mass + body_mass) * k * grade);
    Checked<double> level;
    level.step(c5 * pow(v, 5) + c4 * pow(v, 4) + c3 * pow(v, 3) + c2 * pow(v, 2));

    CyclingPower power;
    power.watts.step(level + (c1 + climbing) * v);
    // Only the rider's mass divides, not rider and bicycle.
    power.watts_per_kg.step(power.watts / body_mass);
    return power;
}

void calculate_cycling_power(TextStore &store, const BodyMass &body)
{
    // The inputs are rounded to two decimals before any arithmetic. Speed and
    // bike mass stay unset when they cannot be read, the grade stays 0.
    Checked<float> speed;
    Checked<float> bike_mass;
    Checked<float> grade = 0.0f;
    speed.step(read_through(store, Quantity::Speed, Pattern::TwoDecimals));
    bike_mass.step(read_through(store, Quantity::BikeMass, Pattern::TwoDecimals));
    grade.step(read_through(store, Quantity::Grade, Pattern::TwoDecimals));

    const CyclingPower power = cycling_power(speed, bike_mass, grade, body.kg);

    // Each write may run this calculation again, nested, through the field's
    // change event; power is a copy, so a nested run changes nothing here.
    write(store, Quantity::Power, power.watts, Pattern::Whole);
    write(store, Quantity::PowerPerKg, power.watts_per_kg, Pattern::OneDecimal);
}

} // namespace vorlenta
