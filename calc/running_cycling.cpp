// SPDX-License-Identifier: MIT
#include "running_cycling.h"

#include "calc/field_values.h"

namespace vorlenta {
namespace {

constexpr double kmh_per_watt_per_kg = 3.544;

} // namespace

Checked<double> running_speed(Checked<float> power, Checked<float> body_mass)
{
    return (power / body_mass) * kmh_per_watt_per_kg;
}

Checked<float> cycling_power_for_speed(Checked<float> speed, Checked<float> body_mass)
{
    return to_single((speed / kmh_per_watt_per_kg) * body_mass);
}

Conversion convert_cyclingtorunning(TextStore &store, const BodyMass &body)
{
    if (body.missing())
        return Conversion::BodyMassMissing;
    if (!holds_number(store, Quantity::CyclingPower))
        return Conversion::Done;

    Checked<float> p = 0.0f; // read as typed, not through a pattern
    Checked<double> r;
    p.step(read_single(store, Quantity::CyclingPower));
    r.step(running_speed(p, body.kg));
    // A speed of 0 (or none) leaves the field as the user's typing left it.
    if (r.or_zero() != 0)
        write(store, Quantity::RunningSpeed, r, Pattern::OneDecimal);
    return Conversion::Done;
}

Conversion convert_runningtocycling(TextStore &store, const BodyMass &body)
{
    if (body.missing())
        return Conversion::BodyMassMissing;
    if (!holds_number(store, Quantity::RunningSpeed))
        return Conversion::Done;

    Checked<float> s, q = 0.0f;
    s.step(read_single(store, Quantity::RunningSpeed));
    q.step(cycling_power_for_speed(s, body.kg));
    if (q.or_zero() != 0)
        write(store, Quantity::CyclingPower, q, Pattern::Whole);
    return Conversion::Done;
}

Conversion exchange_running_cycling(TextStore &store, const BodyMass &body)
{
    if (double_or_zero(store, Quantity::RunningSpeed) == 0.0)
        return convert_cyclingtorunning(store, body);
    return convert_runningtocycling(store, body);
}

} // namespace vorlenta
