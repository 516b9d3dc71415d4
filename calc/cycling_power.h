// SPDX-License-Identifier: MIT
#pragma once

// Road-cycling power from riding speed (km/h, as typed), bicycle mass, grade
// (%) and the rider's body mass, in watts and in watts per kilogram of body
// mass: a fifth-degree polynomial in the speed for level ground whose linear
// coefficient grows with the total mass times the grade.

#include "calc/body_mass.h"
#include "fields/text_store.h"

namespace vorlenta {

struct CyclingPower {
    Checked<double> watts;
    Checked<double> watts_per_kg;
};

// speed and bike_mass unset, or grade 0, when they could not be read.
CyclingPower cycling_power(Checked<float> speed, Checked<float> bike_mass, Checked<float> grade,
                           Checked<float> body_mass);

// Reads Text16 (speed), Text17 (bike mass) and Text18 (grade) through the
// pattern "0.00", writes the power into Text19 ("0") and the power per kg into
// Text20 ("0.0"). Without a body mass (or with one of 0) there is no power per
// kg, and Text20 is left empty.
//
// Text19 and Text20 are inputs of this calculation too: their change events
// run it again, and the nested run ends because it writes the same texts.
void calculate_cycling_power(TextStore &store, const BodyMass &body);

} // namespace vorlenta
