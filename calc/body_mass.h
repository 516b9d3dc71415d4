#pragma once

// The body mass as the body-mass field Text11 shows it.

#include <optional>

#include "fields/text_store.h"

namespace vorlenta {

// The body mass that Text11 denotes, in single precision; empty when the text
// is no number or lies beyond the single range.
std::optional<float> read_body_mass(const TextStore &store);

// Whether Text11 holds a body mass that the shared body mass can follow. A
// text that has the form of a number but lies beyond the single range does
// not: the shared body mass then keeps an older value, and a result computed
// from that value would stand beside a field that shows another number.
bool holds_body_mass(const TextStore &store);

} // namespace vorlenta
