// SPDX-License-Identifier: MIT
#include "text_store.h"

#include <utility>

namespace vorlenta {

TextStore::TextStore()
{
    for (const FieldEntry &entry : field_entries())
        m_texts[std::size_t(index_of(entry.field))] = QString::fromLatin1(entry.name);
}

void TextStore::set_text(Field field, const QString &text)
{
    QString &stored = m_texts[std::size_t(index_of(field))];
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
