// SPDX-License-Identifier: MIT
#include "text_store.h"

#include <utility>

namespace vorlenta {

TextStore::TextStore(Notation notation) : m_notation(std::move(notation))
{
    for (const FieldEntry &entry : field_entries())
        m_texts[std::size_t(index_of(entry.field))] = entry.name;
}

void TextStore::set_text(Field field, std::string_view text)
{
    std::string &stored = m_texts[std::size_t(index_of(field))];
    if (stored == text)
        return;
    stored = text;
    // A listener may add listeners or write fields: by index, the loop meets
    // both, and the deque never moves the listener that is running.
    for (std::size_t i = 0; i < m_listeners.size(); ++i)
        m_listeners[i](field);
}

void TextStore::add_change_listener(ChangeListener listener)
{
    m_listeners.push_back(std::move(listener));
}

} // namespace vorlenta
