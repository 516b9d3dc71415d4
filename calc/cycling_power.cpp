#include "cycling_power.h"

#include "fields/number_format.h"

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
constexpr float k_climb = 0.02722f;

using checked::power;
using checked::product;
using checked::sum;

} // namespace

CyclingPower cycling_power(Working<float> speed, Working<float> bike_mass, float grade,
                           Working<float> body_mass)
{
    const double v = value_of(speed);

    // Each step is skipped on its own when it fails: a climbing term beyond
    // the single range adds no climbing power, as an unreadable grade does.
    Working<float> climbing; // ((m_bike + body_mass) × K) × g, single precision
    assign_if_succeeded(climbing,
                        product<float>(product<float>(sum<float>(value_of(bike_mass), value_of(body_mass)),
                                                      k_climb),
                                       grade));

    Working<double> level; // ((c5·v^5 + c4·v^4) + c3·v^3) + c2·v^2, double precision
    assign_if_succeeded(level, sum<double>(sum<double>(sum<double>(product<double>(c5, power(v, 5)),
                                                                   product<double>(c4, power(v, 4))),
                                                       product<double>(c3, power(v, 3))),
                                           product<double>(c2, power(v, 2))));

    CyclingPower result; // Q + (c1 + s)·v, double precision
    assign_if_succeeded(result.watts,
                        sum<double>(value_of(level),
                                    product<double>(sum<double>(c1, double(value_of(climbing))), v)));
    // Only the rider's mass divides, not rider plus bicycle.
    assign_if_succeeded(result.watts_per_kg,
                        checked::quotient<double>(value_of(result.watts), widened(body_mass)));
    return result;
}

void calculate_cycling_power(TextStore &store, Working<float> body_mass)
{
    // The inputs are rounded to two decimals before any arithmetic.
    const Working<float> speed = read_through_pattern(store.text(Field::Text16), Pattern::TwoDecimals);
    const Working<float> bike_mass = read_through_pattern(store.text(Field::Text17), Pattern::TwoDecimals);
    float grade = 0;
    assign_if_succeeded(grade, read_through_pattern(store.text(Field::Text18), Pattern::TwoDecimals));

    const CyclingPower power = cycling_power(speed, bike_mass, grade, body_mass);

    // Each write may run this calculation again, nested, through the field's
    // change event; power is a copy, so a nested run changes nothing here.
    store.set_text(Field::Text19, render(power.watts, Pattern::Whole));
    store.set_text(Field::Text20, render(power.watts_per_kg, Pattern::OneDecimal));
}

} // namespace vorlenta
