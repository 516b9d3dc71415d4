// SPDX-License-Identifier: MIT
#include <vorlenta/eval/symbol_collection.h>

#include <array>

namespace vorlenta {
namespace {

// The key a name is stored and found under: its case folding. A name that an
// expression uses is ASCII, whose folding is its lower case; short ones are
// folded into a buffer on the stack, which a lookup then reads in place.
constexpr qsizetype FoldBuffer = 64;

bool is_ascii(QStringView name)
{
    for (const QChar c : name) {
        if (c.unicode() >= 0x80)
            return false;
    }
    return true;
}

template <typename Lookup>
auto with_key(QStringView name, Lookup &&lookup)
{
    if (name.size() > FoldBuffer || !is_ascii(name))
        return lookup(name.toString().toCaseFolded());
    std::array<QChar, FoldBuffer> folded;
    for (qsizetype i = 0; i < name.size(); ++i) {
        const char16_t u = name[i].unicode();
        folded[std::size_t(i)] = (u >= u'A' && u <= u'Z') ? QChar(u + (u'a' - u'A')) : QChar(u);
    }
    return lookup(QString::fromRawData(folded.data(), name.size()));
}

} // namespace

const VariantValue *SymbolCollection::find(QStringView name) const
{
    return with_key(name, [this](const QString &key) -> const VariantValue * {
        const auto it = m_Index.constFind(key);
        return it == m_Index.cend() ? nullptr : &m_Entries[std::size_t(*it)].value;
    });
}

bool SymbolCollection::add(const QString &name, const VariantValue &value)
{
    QString key = name.toCaseFolded();
    if (m_Index.contains(key))
        return false;
    m_Index.insert(std::move(key), size());
    m_Entries.push_back({name, value});
    return true;
}

bool SymbolCollection::remove(QStringView name)
{
    const qsizetype removed = with_key(name, [this](const QString &key) -> qsizetype {
        const auto it = m_Index.constFind(key);
        if (it == m_Index.cend())
            return -1;
        const qsizetype position = *it;
        m_Index.erase(it);
        return position;
    });
    if (removed < 0)
        return false;
    m_Entries.erase(m_Entries.begin() + removed);
    // Entries behind the removed one move up by one place.
    for (auto &position : m_Index) {
        if (position > removed)
            --position;
    }
    return true;
}

} // namespace vorlenta
