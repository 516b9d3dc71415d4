// SPDX-License-Identifier: MIT
#include "acceleration.h"

#include "calc/field_values.h"

namespace vorlenta {

Checked<float> acceleration(Checked<float> d1, Checked<float> t1, Checked<float> d2, Checked<float> t2)
{
    return ((d2 / t2) - (d1 / t1)) / (t2 - t1);
}

void accel_calculation(TextStore &store)
{
    Checked<float> t1, d1, t2, d2;
    t1.step(read_through(store, Quantity::Time1, Pattern::TwoDecimals));
    d1.step(read_through(store, Quantity::Distance1, Pattern::TwoDecimals));
    t2.step(read_through(store, Quantity::Time2, Pattern::TwoDecimals));
    d2.step(read_through(store, Quantity::Distance2, Pattern::TwoDecimals));

    Checked<float> a = 0.0f;
    a.step(acceleration(d1, t1, d2, t2));
    write(store, Quantity::Acceleration, a, Pattern::TwoDecimals);
}

} // namespace vorlenta
