// SPDX-License-Identifier: MIT
#include "one_rep_max.h"

#include "calc/field_values.h"

namespace vorlenta {

OneRepMax one_rep_max(Checked<float> load, Checked<float> reps, Checked<float> body_mass)
{
    Checked<float> a;
    Checked<double> b, c;
    a.step(100.0f * load);
    b.step(2.78 * reps);
    c.step(102.78 - b);

    OneRepMax max;
    max.estimate.step(a / c);
    // Divided in double precision, then held in single.
    max.per_kg.step(to_single(max.estimate / body_mass));
    return max;
}

void onerm_calculation(TextStore &store, const BodyMass &body)
{
    if (!body.shown || !holds_number(store, Quantity::Load) || !holds_number(store, Quantity::Repetitions))
        return;
    Checked<float> load, reps;
    load.step(read_single(store, Quantity::Load));
    reps.step(read_single(store, Quantity::Repetitions));
    const OneRepMax max = one_rep_max(load, reps, body.kg);
    write(store, Quantity::OneRepMax, max.estimate, Pattern::TwoDecimals);
    write(store, Quantity::OneRepMaxPerKg, max.per_kg, Pattern::TwoDecimals);
}

} // namespace vorlenta
