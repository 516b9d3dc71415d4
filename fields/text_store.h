// SPDX-License-Identifier: MIT
#pragma once

// The one store of the entry fields' texts (UTF-8), in the notation the host
// gave it. Writing a text that differs from the field's current one raises
// the field's change event at once, nested inside the write, exactly as
// typing does; writing the same text raises nothing. Chained recalculation
// rests on both halves: a calculation may write fields whose own change
// events run it again, and the nesting ends because the nested run writes
// the same texts.
//
// The store never cuts a text to the field's character limit: that limit
// stops typing only, and a result written by the program is kept whole.

#include <array>
#include <deque>
#include <functional>
#include <string>
#include <string_view>

#include "fields/field_table.h"
#include "fields/notation.h"

namespace vorlenta {

class TextStore {
public:
    using ChangeListener = std::function<void(Field)>;

    // Every field starts with its designed text, its own name ("Text12").
    explicit TextStore(Notation notation = {});

    // How the numbers in the texts are written.
    const Notation &notation() const { return m_notation; }

    const std::string &text(Field field) const { return m_texts[std::size_t(index_of(field))]; }

    // Stores the text; when it differs, calls every listener in the order they
    // were added, before returning.
    void set_text(Field field, std::string_view text);

    // A listener may add listeners while a change is dispatched; they hear
    // that change too.
    void add_change_listener(ChangeListener listener);

private:
    Notation m_notation;
    std::array<std::string, field_count> m_texts;
    // A deque keeps the running listener in place while others are added.
    std::deque<ChangeListener> m_listeners;
};

} // namespace vorlenta
