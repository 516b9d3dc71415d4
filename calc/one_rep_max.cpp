#include "one_rep_max.h"

#include "calc/body_mass.h"
#include "fields/number_format.h"

namespace vorlenta {
namespace {

using checked::difference;
using checked::product;
using checked::quotient;

} // namespace

Working<double> repetition_divisor(Working<float> repetitions)
{
    Working<double> fatigue; // 2.78 × reps
    assign_if_succeeded(fatigue, product<double>(2.78, double(value_of(repetitions))));
    Working<double> divisor;
    assign_if_succeeded(divisor, difference<double>(102.78, value_of(fatigue)));
    return divisor;
}

OneRepMax one_rep_max(Working<float> load, Working<float> repetitions, Working<float> body_mass)
{
    Working<float> scaled_load; // 100 × load, single precision
    assign_if_succeeded(scaled_load, product<float>(100.0f, value_of(load)));
    const Working<double> divisor = repetition_divisor(repetitions);

    OneRepMax result;
    assign_if_succeeded(result.estimate, quotient<double>(double(value_of(scaled_load)), divisor));
    // Divided in double precision, then held in single.
    assign_if_succeeded(result.per_kg,
                        checked::to_single(quotient<double>(value_of(result.estimate), widened(body_mass))));
    return result;
}

void onerm_calculation(TextStore &store, Working<float> body_mass)
{
    if (!holds_body_mass(store) || !is_numeric(store.text(Field::Text2))
        || !is_numeric(store.text(Field::Text3)))
        return;
    const OneRepMax result = one_rep_max(to_single(store.text(Field::Text2)),
                                         to_single(store.text(Field::Text3)), body_mass);
    store.set_text(Field::Text4, render(result.estimate, Pattern::TwoDecimals));
    store.set_text(Field::Text5, render(double(result.per_kg), Pattern::TwoDecimals));
}

} // namespace vorlenta
