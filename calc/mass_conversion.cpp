#include "mass_conversion.h"

#include "fields/number_format.h"

namespace vorlenta {
namespace {

constexpr double pounds_per_kilogram = 2.2;

// The field's number rounded to one decimal, or 0 when it holds none.
float read_source(const TextStore &store, Field field)
{
    float value = 0;
    assign_if_succeeded(value, read_through_pattern(store.text(field), Pattern::OneDecimal));
    return value;
}

} // namespace

Working<double> kilograms_from_pounds(float pounds)
{
    return checked::quotient<double>(double(pounds), pounds_per_kilogram);
}

Working<float> pounds_from_kilograms(float kilograms)
{
    return checked::to_single(checked::product<double>(double(kilograms), pounds_per_kilogram));
}

void lbtokg(TextStore &store)
{
    const Working<double> kilograms = kilograms_from_pounds(read_source(store, Field::Text23));
    store.set_text(Field::Text1, render(kilograms, Pattern::OneDecimal));
}

void kgtolb(TextStore &store)
{
    const Working<float> pounds = pounds_from_kilograms(read_source(store, Field::Text1));
    if (pounds)
        store.set_text(Field::Text23, render(double(*pounds), Pattern::OneDecimal));
}

void exchange_mass_units(TextStore &store)
{
    if (to_double(store.text(Field::Text1)).value_or(0.0) == 0.0)
        lbtokg(store);
    else
        kgtolb(store);
}

} // namespace vorlenta
