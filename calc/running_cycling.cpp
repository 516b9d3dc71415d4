// SPDX-License-Identifier: MIT
#include "running_cycling.h"

#include "calc/field_values.h"

namespace vorlenta {
namespace {

constexpr double kmh_per_watt_per_kg = 3.544;

// The two directions from a source value already read; a result of 0 (or
// none) leaves the other field as it was.
void write_running_speed(TextStore &store, const BodyMass &body, Checked<float> p)
{
    Checked<double> r;
    r.step(running_speed(p, body.kg));
    if (r.or_zero() != 0)
        write(store, Quantity::RunningSpeed, r, Pattern::OneDecimal);
}

void write_cycling_power(TextStore &store, const BodyMass &body, Checked<float> s)
{
    Checked<float> q = 0.0f;
    q.step(cycling_power_for_speed(s, body.kg));
    if (q.or_zero() != 0)
        write(store, Quantity::CyclingPower, q, Pattern::Whole);
}

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
    p.step(read_single(store, Quantity::CyclingPower));
    write_running_speed(store, body, p);
    return Conversion::Done;
}

Conversion convert_runningtocycling(TextStore &store, const BodyMass &body)
{
    if (body.missing())
        return Conversion::BodyMassMissing;
    if (!holds_number(store, Quantity::RunningSpeed))
        return Conversion::Done;

    Checked<float> s;
    s.step(read_single(store, Quantity::RunningSpeed));
    write_cycling_power(store, body, s);
    return Conversion::Done;
}

Conversion convert_as_left(TextStore &store, const BodyMass &body, Quantity source)
{
    if (body.missing())
        return Conversion::BodyMassMissing;
    // Leaving rewrites the field in its pattern, and a text that is no number
    // as zero, which converts to nothing.
    Checked<float> value = 0.0f;
    value.step(read_through(store, source, *entry_of(field_of(source)).leave_pattern));
    if (source == Quantity::CyclingPower)
        write_running_speed(store, body, value);
    else
        write_cycling_power(store, body, value);
    return Conversion::Done;
}

Conversion exchange_running_cycling(TextStore &store, const BodyMass &body)
{
    if (double_or_zero(store, Quantity::RunningSpeed) == 0.0)
        return convert_cyclingtorunning(store, body);
    return convert_runningtocycling(store, body);
}

} // namespace vorlenta
