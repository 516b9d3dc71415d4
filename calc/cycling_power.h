#pragma once

// Road-cycling power from riding speed (km/h, as typed), bicycle mass, grade
// (%) and the rider's body mass, in watts and in watts per kilogram of body
// mass: a fifth-degree polynomial in the speed for level ground whose linear
// coefficient grows with the total mass times the grade.

#include "calc/checked.h"
#include "fields/text_store.h"

namespace vorlenta {

struct CyclingPower {
    Working<double> watts;
    Working<double> watts_per_kg;
};

// speed and bike_mass start unset, grade at 0; a value that could not be
// read is passed as it started.
CyclingPower cycling_power(Working<float> speed, Working<float> bike_mass, float grade,
                           Working<float> body_mass);

// Reads Text16 (speed), Text17 (bike mass) and Text18 (grade) through the
// pattern "0.00", writes the power into Text19 ("0") and the power per kg into
// Text20 ("0.0"). A power per kg that could not be computed (no body mass, or
// a body mass of 0) leaves Text20 empty.
//
// Text19 and Text20 are inputs of this calculation too: their change events
// run it again, and the nested run ends because it writes the same texts.
void calculate_cycling_power(TextStore &store, Working<float> body_mass);

} // namespace vorlenta
