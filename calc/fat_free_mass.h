// SPDX-License-Identifier: MIT
#pragma once

// Fat-free mass from the body mass and a body fat percentage, and the body
// mass at which a target body fat percentage would be reached. Every step is
// single precision.

#include "calc/body_mass.h"
#include "fields/text_store.h"

namespace vorlenta {

// body_mass − (body_fat / 100) × body_mass
Checked<float> fat_free_mass(Checked<float> body_mass, Checked<float> body_fat);

// body_mass − body_mass × ((body_fat − target_fat) / 100): the body mass less
// the difference of the percentages, not derived from the fat-free mass.
Checked<float> target_body_mass(Checked<float> body_mass, Checked<float> body_fat, Checked<float> target_fat);

// Reads Text12 (body fat %) and Text14 (target %), writes Text13 and Text15
// ("0.00"). Writes nothing while Text11 shows no body mass or Text12 holds no
// number, and leaves Text15 as it is while Text14 holds none. A percentage
// beyond the single range counts as 0.
void ffm_calculation(TextStore &store, const BodyMass &body);

} // namespace vorlenta
