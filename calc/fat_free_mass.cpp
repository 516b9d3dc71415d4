#include "fat_free_mass.h"

#include "calc/body_mass.h"
#include "fields/number_format.h"

namespace vorlenta {
namespace {

using checked::difference;
using checked::product;
using checked::quotient;

constexpr float percent = 100;

} // namespace

// Each assignment is a step of its own: one that fails leaves its value unset,
// and the next step counts it as 0.
Working<float> fat_free_mass(Working<float> body_mass, Working<float> body_fat)
{
    const float mass = value_of(body_mass);
    Working<float> fraction;
    assign_if_succeeded(fraction, quotient<float>(value_of(body_fat), percent));
    Working<float> fat;
    assign_if_succeeded(fat, product<float>(value_of(fraction), mass));
    Working<float> result;
    assign_if_succeeded(result, difference<float>(mass, value_of(fat)));
    return result;
}

Working<float> target_body_mass(Working<float> body_mass, Working<float> body_fat,
                                Working<float> target_fat)
{
    const float mass = value_of(body_mass);
    Working<float> excess;
    assign_if_succeeded(excess, difference<float>(value_of(body_fat), value_of(target_fat)));
    Working<float> fraction;
    assign_if_succeeded(fraction, quotient<float>(value_of(excess), percent));
    Working<float> loss;
    assign_if_succeeded(loss, product<float>(mass, value_of(fraction)));
    Working<float> result;
    assign_if_succeeded(result, difference<float>(mass, value_of(loss)));
    return result;
}

void ffm_calculation(TextStore &store, Working<float> body_mass)
{
    if (!holds_body_mass(store) || !is_numeric(store.text(Field::Text12)))
        return;
    const Working<float> body_fat = to_single(store.text(Field::Text12));
    store.set_text(Field::Text13,
                   render(widened(fat_free_mass(body_mass, body_fat)), Pattern::TwoDecimals));

    if (!is_numeric(store.text(Field::Text14)))
        return;
    const Working<float> target_fat = to_single(store.text(Field::Text14));
    store.set_text(Field::Text15, render(widened(target_body_mass(body_mass, body_fat, target_fat)),
                                         Pattern::TwoDecimals));
}

} // namespace vorlenta
