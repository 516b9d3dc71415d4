// SPDX-License-Identifier: MIT
#pragma once

// The one-repetition maximum estimated from a load lifted for a number of
// repetitions, load × 100 / (102.78 − 2.78 × reps), and the same per kilogram
// of body mass. There is no bound on the repetitions: from 37 on the divisor
// is negative, and so is the estimate.

#include "calc/body_mass.h"
#include "fields/text_store.h"

namespace vorlenta {

struct OneRepMax {
    Checked<double> estimate;     // unset only when the divisor is exactly 0
    Checked<float> per_kg = 0.0f; // stays 0 when there is no body mass to divide by
};

OneRepMax one_rep_max(Checked<float> load, Checked<float> repetitions, Checked<float> body_mass);

// Reads Text2 (load) and Text3 (repetitions), writes Text4 and Text5 ("0.00").
// Writes nothing while Text11 shows no body mass or Text2 or Text3 holds no
// number. A load or repetition count beyond the single range counts as 0.
void onerm_calculation(TextStore &store, const BodyMass &body);

} // namespace vorlenta
