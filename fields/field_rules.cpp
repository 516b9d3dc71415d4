// SPDX-License-Identifier: MIT
#include "field_rules.h"

namespace vorlenta {

void leave_field(TextStore &store, Field field)
{
    const std::optional<Pattern> pattern = entry_of(field).leave_pattern;
    if (!pattern)
        return;
    // A numeric text beyond the range of a double is rewritten as zero too:
    // it has no value that a pattern could show.
    const std::optional<double> value = to_double(store.text(field), store.notation());
    store.set_text(field, render(value.value_or(0.0), *pattern, store.notation()));
}

std::optional<ArrowTurn> key_down(TextStore &store, Field field)
{
    const std::optional<KeyRule> rule = entry_of(field).key_rule;
    if (!rule)
        return std::nullopt;
    store.set_text(rule->partner, render(0.0, Pattern::OneDecimal, store.notation()));
    return ArrowTurn{rule->button, rule->arrow};
}

} // namespace vorlenta
