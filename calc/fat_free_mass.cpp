// SPDX-License-Identifier: MIT
#include "fat_free_mass.h"

#include "calc/field_values.h"

namespace vorlenta {

// Each line is a step of its own: one that fails leaves its value unset, and
// the next step counts it as 0.
Checked<float> fat_free_mass(Checked<float> body_mass, Checked<float> body_fat)
{
    Checked<float> q, p, result;
    q.step(body_fat / 100.0f);
    p.step(q * body_mass);
    result.step(body_mass - p);
    return result;
}

Checked<float> target_body_mass(Checked<float> body_mass, Checked<float> body_fat, Checked<float> target_fat)
{
    Checked<float> d, q2, p2, result;
    d.step(body_fat - target_fat);
    q2.step(d / 100.0f);
    p2.step(body_mass * q2);
    result.step(body_mass - p2);
    return result;
}

void ffm_calculation(TextStore &store, const BodyMass &body)
{
    if (!body.shown || !holds_number(store, Quantity::BodyFat))
        return;
    Checked<float> bf;
    bf.step(read_single(store, Quantity::BodyFat));
    write(store, Quantity::FatFreeMass, fat_free_mass(body.kg, bf), Pattern::TwoDecimals);

    if (!holds_number(store, Quantity::TargetBodyFat))
        return;
    Checked<float> tbf;
    tbf.step(read_single(store, Quantity::TargetBodyFat));
    write(store, Quantity::TargetBodyMass, target_body_mass(body.kg, bf, tbf), Pattern::TwoDecimals);
}

} // namespace vorlenta
