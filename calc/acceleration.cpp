#include "acceleration.h"

#include "fields/number_format.h"

namespace vorlenta {

Working<float> acceleration(Working<float> d1, Working<float> t1, Working<float> d2, Working<float> t2)
{
    using checked::difference;
    using checked::quotient;
    // An unset distance counts as 0; an unset time fails as a divisor.
    return quotient<float>(difference<float>(quotient<float>(value_of(d2), t2),
                                             quotient<float>(value_of(d1), t1)),
                           difference<float>(value_of(t2), value_of(t1)));
}

void accel_calculation(TextStore &store)
{
    const auto read = [&store](Field field) {
        return read_through_pattern(store.text(field), Pattern::TwoDecimals);
    };
    const Working<float> t1 = read(Field::Text7);
    const Working<float> d1 = read(Field::Text6);
    const Working<float> t2 = read(Field::Text9);
    const Working<float> d2 = read(Field::Text8);

    float result = 0;
    assign_if_succeeded(result, acceleration(d1, t1, d2, t2));
    store.set_text(Field::Text10, render(double(result), Pattern::TwoDecimals));
}

} // namespace vorlenta
