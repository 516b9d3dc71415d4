// SPDX-License-Identifier: MIT
#pragma once

// The body mass, as the body-mass field Text11 gives it to the calculators.

#include "calc/checked.h"
#include "calc/field_values.h"
#include "fields/field_table.h"

namespace vorlenta {

struct BodyMass {
    // In kilograms: unset until Text11 first held a number, then the last
    // number it held (a text that does not convert leaves it as it was).
    Checked<float> kg;
    // Whether Text11 holds that number now. While it does not, a result
    // computed from the kept value would stand beside a field that shows
    // something else, so the fat-free mass and the 1RM write nothing.
    bool shown = false;

    // The panels that need a body mass work only with one above 0.
    bool enables_panels() const { return shown && kg.or_zero() > 0; }
    // A conversion by body mass cannot be made from 0 (or from none).
    bool missing() const { return kg.or_zero() == 0; }
};

// What a change of Text11 makes of the body mass: the field's number, or,
// when its text does not convert, the number it held before, no longer shown.
inline void take_body_mass(BodyMass &body, const TextStore &store)
{
    const Checked<float> typed = read_single(store, Quantity::BodyMass);
    body.kg.step(typed);
    body.shown = typed.is_set();
}

// The panels that cannot work without a body mass: the fat-free mass and the
// cycling power.
constexpr bool needs_body_mass(Panel panel)
{
    return panel == panel_of(Quantity::FatFreeMass) || panel == panel_of(Quantity::Power);
}

} // namespace vorlenta
