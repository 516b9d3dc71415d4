// SPDX-License-Identifier: MIT
#pragma once

// Conversion between a running speed and the equivalent cycling power for the
// rider's body mass: 1 W/kg of cycling power matches 3.544 km/h of running.
// Each click converts once; the body mass must be known first.

#include "calc/body_mass.h"
#include "fields/text_store.h"

namespace vorlenta {

enum class Conversion {
    Done,            // converted, or nothing to convert
    BodyMassMissing, // body mass 0 or never read: nothing was written
};

// (power / body_mass) × 3.544: the quotient single, the product double.
Checked<double> running_speed(Checked<float> power, Checked<float> body_mass);

// ((speed / 3.544) × body_mass) in double precision, held in single.
Checked<float> cycling_power_for_speed(Checked<float> speed, Checked<float> body_mass);

// Text22 (W) → Text21 (km/h, "0.0"). Writes nothing when Text22 holds no number
// or the speed comes out as 0.
Conversion convert_cyclingtorunning(TextStore &store, const BodyMass &body);

// Text21 (km/h) → Text22 (W, "0"). Writes nothing when Text21 holds no number
// or the power comes out as 0.
Conversion convert_runningtocycling(TextStore &store, const BodyMass &body);

// For converters that follow the typing: the conversion from the source
// field (RunningSpeed or CyclingPower) to the other one, from its number as
// leaving the field would rewrite it, so that the digits are those of a click
// after the field was left. A source that holds no number writes nothing.
Conversion convert_as_left(TextStore &store, const BodyMass &body, Quantity source);

// The click on Command2: a running speed of 0 converts power to speed, any
// other speed to power. A key press in one field zeroes the other, so this
// converts from the field typed in last. A speed that is no number yet (empty
// or half-typed while the focus is still in Text21) counts as 0.
Conversion exchange_running_cycling(TextStore &store, const BodyMass &body);

} // namespace vorlenta
