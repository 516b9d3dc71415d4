// SPDX-License-Identifier: MIT
#pragma once

// How a calculation reads a quantity's number from its field and writes a
// result back, in the store's notation.

#include <string>

#include "calc/checked.h"
#include "fields/number_format.h"
#include "fields/text_store.h"

namespace vorlenta {

// Whether the field holds a number, of any magnitude.
inline bool holds_number(const TextStore &store, Quantity quantity)
{
    return is_numeric(store.text(field_of(quantity)), store.notation());
}

// The field's number in double precision, 0 when it holds none (or one
// beyond the double range).
inline double double_or_zero(const TextStore &store, Quantity quantity)
{
    return to_double(store.text(field_of(quantity)), store.notation()).value_or(0.0);
}

// The field's number in single precision; fails when the text is no number or
// lies beyond the single range.
inline Checked<float> read_single(const TextStore &store, Quantity quantity)
{
    return Checked<float>(to_single(store.text(field_of(quantity)), store.notation()));
}

// The same, rounded to the pattern's decimals first: "12.44" through "0.0"
// reads as 12.4.
inline Checked<float> read_through(const TextStore &store, Quantity quantity, Pattern pattern)
{
    return Checked<float>(read_through_pattern(store.text(field_of(quantity)), pattern, store.notation()));
}

// Writes the value in the pattern; a value no step has set, as an empty text.
template <Precision T>
void write(TextStore &store, Quantity quantity, const Checked<T> &value, Pattern pattern)
{
    const std::optional<T> shown = value.value();
    store.set_text(field_of(quantity), shown ? render(double(*shown), pattern, store.notation()) : std::string());
}

} // namespace vorlenta
