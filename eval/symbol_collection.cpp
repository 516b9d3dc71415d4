#include "symbol_collection.h"

namespace vorlenta {

const VariantValue *SymbolCollection::find(const QString &name) const
{
    const auto it = m_Index.constFind(key_of(name));
    return it == m_Index.cend() ? nullptr : &m_Entries[std::size_t(*it)].value;
}

bool SymbolCollection::add(const QString &name, const VariantValue &value)
{
    QString key = key_of(name);
    if (m_Index.contains(key))
        return false;
    m_Index.insert(std::move(key), size());
    m_Entries.push_back({name, value});
    return true;
}

bool SymbolCollection::remove(const QString &name)
{
    const auto it = m_Index.constFind(key_of(name));
    if (it == m_Index.cend())
        return false;
    const qsizetype removed = *it;
    m_Index.erase(it);
    m_Entries.erase(m_Entries.begin() + removed);
    // Entries behind the removed one move up by one place.
    for (auto &position : m_Index) {
        if (position > removed)
            --position;
    }
    return true;
}

} // namespace vorlenta
