// SPDX-License-Identifier: MIT
#pragma once

// What a field does when the user leaves it and when a key is pressed in it.
// Neither runs a calculation itself: a rewrite raises the field's change
// event, which does.

#include <optional>
#include <string>

#include "field_table.h"
#include "text_store.h"

namespace vorlenta {

// Rewrites the field as a number in its leave pattern, or as zero in that
// pattern when it holds no number. A field without a leave pattern (Text10)
// keeps its text.
void leave_field(TextStore &store, Field field);

// A key pressed in a conversion field zeroes its partner ("0.0") before the
// key acts, and turns the panel's exchange button towards the partner: the
// caption to show is returned. Other fields ignore keys.
struct ArrowTurn {
    ExchangeButton button;
    std::string caption;
};
std::optional<ArrowTurn> key_down(TextStore &store, Field field);

} // namespace vorlenta
