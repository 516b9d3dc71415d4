#pragma once

// The one-repetition maximum estimated from a load lifted for a number of
// repetitions, load × 100 / (102.78 − 2.78 × reps), and the same per kilogram
// of body mass. There is no bound on the repetitions: from 37 on the divisor
// is negative, and so is the estimate.

#include "calc/checked.h"
#include "fields/text_store.h"

namespace vorlenta {

struct OneRepMax {
    Working<double> estimate; // unset only when the divisor is exactly 0
    float per_kg = 0;         // stays 0 when there is no body mass to divide by
};

// 102.78 − 2.78 × reps in double precision: 74.98 for 10 repetitions, 0
// between 36 and 37.
Working<double> repetition_divisor(Working<float> repetitions);

OneRepMax one_rep_max(Working<float> load, Working<float> repetitions, Working<float> body_mass);

// Reads Text2 (load) and Text3 (repetitions), writes Text4 and Text5 ("0.00").
// Writes nothing while Text11, Text2 or Text3 holds no number. A load or
// repetition count beyond the single range counts as 0.
void onerm_calculation(TextStore &store, Working<float> body_mass);

} // namespace vorlenta
