// SPDX-License-Identifier: MIT
#pragma once

// Acceleration from two timed distances: the second average speed less the
// first, divided by the second time less the first. Single precision. The
// order and sign of the splits are not checked; a negative acceleration keeps
// its sign.

#include "calc/checked.h"
#include "fields/text_store.h"

namespace vorlenta {

// ((d2 / t2) − (d1 / t1)) / (t2 − t1) as one step: it fails as a whole when
// any of its operations fails (a time of 0 or unset, two equal times).
Checked<float> acceleration(Checked<float> d1, Checked<float> t1, Checked<float> d2, Checked<float> t2);

// Reads Text6 to Text9 through the pattern "0.00" and always writes Text10
// ("0.00"); a step that fails leaves the acceleration at 0.
void accel_calculation(TextStore &store);

} // namespace vorlenta
