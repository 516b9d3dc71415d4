// SPDX-License-Identifier: MIT
#include "mass_conversion.h"

#include "calc/field_values.h"

namespace vorlenta {
namespace {

constexpr double pounds_per_kilogram = 2.2;

// The field's number rounded to one decimal, or 0 when it holds none.
Checked<float> read_source(const TextStore &store, Quantity quantity)
{
    Checked<float> value = 0.0f;
    value.step(read_through(store, quantity, Pattern::OneDecimal));
    return value;
}

} // namespace

Checked<double> kilograms_from_pounds(Checked<float> pounds)
{
    return pounds / pounds_per_kilogram;
}

Checked<float> pounds_from_kilograms(Checked<float> kilograms)
{
    return to_single(kilograms * pounds_per_kilogram);
}

void lbtokg(TextStore &store)
{
    Checked<double> kg;
    kg.step(kilograms_from_pounds(read_source(store, Quantity::Pounds)));
    write(store, Quantity::Kilograms, kg, Pattern::OneDecimal);
}

void kgtolb(TextStore &store)
{
    Checked<float> lb;
    lb.step(pounds_from_kilograms(read_source(store, Quantity::Kilograms)));
    if (lb.is_set())
        write(store, Quantity::Pounds, lb, Pattern::OneDecimal);
}

void exchange_mass_units(TextStore &store)
{
    if (double_or_zero(store, Quantity::Kilograms) == 0.0)
        lbtokg(store);
    else
        kgtolb(store);
}

} // namespace vorlenta
