#include "running_cycling.h"

#include "fields/number_format.h"

namespace vorlenta {
namespace {

constexpr double kmh_per_watt_per_kg = 3.544;

// A body mass of 0 and one never read both make the conversion meaningless.
bool body_mass_missing(Working<float> body_mass)
{
    return value_of(body_mass) == 0.0f;
}

} // namespace

Working<double> running_speed(float power, float body_mass)
{
    const Working<float> watts_per_kg = checked::quotient<float>(power, body_mass);
    return checked::product<double>(widened(watts_per_kg), kmh_per_watt_per_kg);
}

Working<float> cycling_power_for_speed(Working<float> speed, float body_mass)
{
    const Working<double> watts_per_kg =
        checked::quotient<double>(double(value_of(speed)), kmh_per_watt_per_kg);
    return checked::to_single(checked::product<double>(watts_per_kg, double(body_mass)));
}

Conversion convert_cyclingtorunning(TextStore &store, Working<float> body_mass)
{
    if (body_mass_missing(body_mass))
        return Conversion::BodyMassMissing;
    if (!is_numeric(store.text(Field::Text22)))
        return Conversion::Done;

    float power = 0; // read as typed, not through a pattern
    assign_if_succeeded(power, to_single(store.text(Field::Text22)));
    Working<double> speed;
    assign_if_succeeded(speed, running_speed(power, *body_mass));

    // A speed of 0 (or none) leaves the field as the user's typing left it.
    if (value_of(speed) != 0.0)
        store.set_text(Field::Text21, render(*speed, Pattern::OneDecimal));
    return Conversion::Done;
}

Conversion convert_runningtocycling(TextStore &store, Working<float> body_mass)
{
    if (body_mass_missing(body_mass))
        return Conversion::BodyMassMissing;
    if (!is_numeric(store.text(Field::Text21)))
        return Conversion::Done;

    const Working<float> speed = to_single(store.text(Field::Text21));
    float power = 0;
    assign_if_succeeded(power, cycling_power_for_speed(speed, *body_mass));

    if (power != 0.0f)
        store.set_text(Field::Text22, render(double(power), Pattern::Whole));
    return Conversion::Done;
}

Conversion exchange_running_cycling(TextStore &store, Working<float> body_mass)
{
    if (to_double(store.text(Field::Text21)).value_or(0.0) == 0.0)
        return convert_cyclingtorunning(store, body_mass);
    return convert_runningtocycling(store, body_mass);
}

} // namespace vorlenta
