// SPDX-License-Identifier: MIT
#pragma once

// Body mass between pounds and kilograms, 2.2 lb to the kg both ways. The
// source is rounded to one decimal before the arithmetic.

#include "calc/checked.h"
#include "fields/text_store.h"

namespace vorlenta {

// lb / 2.2 in double precision, shown from the double.
Checked<double> kilograms_from_pounds(Checked<float> pounds);

// kg × 2.2 in double precision, held in single before it is shown; fails when
// the pounds leave the single range.
Checked<float> pounds_from_kilograms(Checked<float> kilograms);

// Text23 (lb) → Text1 (kg, "0.0"). A pound text that is no number counts as 0.
void lbtokg(TextStore &store);

// Text1 (kg) → Text23 (lb, "0.0"). A kilogram text that is no number counts
// as 0. A pound value beyond the single range cannot be held, and Text23 then
// keeps its text rather than show a number that was not computed.
void kgtolb(TextStore &store);

// The click on Command1: kilograms of 0 convert pounds to kilograms, any other
// value (negative ones too) kilograms to pounds. A key press in one field
// zeroes the other, so this converts from the field typed in last. Kilograms
// that are no number yet (empty or half-typed while the focus is still in
// Text1) count as 0.
void exchange_mass_units(TextStore &store);

} // namespace vorlenta
