// SPDX-License-Identifier: MIT
#include <vorlenta/eval/symbol_collection.h>

#include <algorithm>

#include "eval/number_text.h"
#include "eval/symbol_index.h"

namespace vorlenta {
namespace {

char fold(char c)
{
    return (c >= 'A' && c <= 'Z') ? char(c + ('a' - 'A')) : c;
}

// FNV-1a over the folded bytes.
std::size_t hash_of(std::string_view name)
{
    std::uint64_t hash = 14695981039346656037ull;
    for (const char c : name)
        hash = (hash ^ std::uint8_t(fold(c))) * 1099511628211ull;
    return std::size_t(hash ^ (hash >> 29));
}

bool same_name(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (fold(a[i]) != fold(b[i]))
            return false;
    }
    return true;
}

} // namespace

std::size_t SymbolIndex::slot_of(std::string_view name) const
{
    const std::size_t mask = m_slots.size() - 1;
    for (std::size_t slot = hash_of(name) & mask;; slot = (slot + 1) & mask) {
        const std::uint32_t at = m_slots[slot];
        if (at == Free || same_name(entries[at].name, name))
            return slot;
    }
}

void SymbolIndex::rebuild(std::size_t slot_count)
{
    std::vector<std::uint32_t> slots(slot_count, Free);
    m_slots.swap(slots);
    for (std::size_t i = 0; i < entries.size(); ++i)
        m_slots[slot_of(entries[i].name)] = std::uint32_t(i);
}

const SymbolEntry *SymbolIndex::find(std::string_view name) const
{
    if (entries.empty())
        return nullptr;
    const std::uint32_t at = m_slots[slot_of(name)];
    return at == Free ? nullptr : &entries[at];
}

bool SymbolIndex::add(std::string_view name, const VariantValue &value)
{
    if (find(name))
        return false;
    // The entry first, then the index: whatever throws leaves both as they were.
    entries.push_back({std::string(name), value, symbol_operand(value, '.'), symbol_operand(value, ',')});
    try {
        if (entries.size() * 2 > m_slots.size())
            rebuild(std::max<std::size_t>(16, m_slots.size() * 2));
        else
            m_slots[slot_of(name)] = std::uint32_t(entries.size() - 1);
    } catch (...) {
        entries.pop_back();
        throw;
    }
    return true;
}

bool SymbolIndex::remove(std::string_view name)
{
    const SymbolEntry *entry = find(name);
    if (!entry)
        return false;
    entries.erase(entries.begin() + (entry - entries.data()));
    // Entries behind the removed one move up by one place; an index built
    // anew has no gaps in its probe chains. The slots keep their number, so
    // this allocates nothing.
    std::fill(m_slots.begin(), m_slots.end(), Free);
    for (std::size_t i = 0; i < entries.size(); ++i)
        m_slots[slot_of(entries[i].name)] = std::uint32_t(i);
    return true;
}

SymbolCollection::SymbolCollection() : d(std::make_unique<SymbolIndex>()) {}
SymbolCollection::SymbolCollection(const SymbolCollection &other) : d(std::make_unique<SymbolIndex>(*other.d)) {}
SymbolCollection::SymbolCollection(SymbolCollection &&other) noexcept = default;
SymbolCollection &SymbolCollection::operator=(SymbolCollection &&other) noexcept = default;
SymbolCollection::~SymbolCollection() = default;

SymbolCollection &SymbolCollection::operator=(const SymbolCollection &other)
{
    if (this != &other)
        d = std::make_unique<SymbolIndex>(*other.d);
    return *this;
}

std::size_t SymbolCollection::size() const noexcept
{
    return d->entries.size();
}

bool SymbolCollection::contains(std::string_view name) const
{
    return d->find(name) != nullptr;
}

const VariantValue *SymbolCollection::find(std::string_view name) const
{
    const SymbolEntry *entry = d->find(name);
    return entry ? &entry->value : nullptr;
}

bool SymbolCollection::add(std::string_view name, const VariantValue &value)
{
    return d->add(name, value);
}

bool SymbolCollection::remove(std::string_view name)
{
    return d->remove(name);
}

const std::string &SymbolCollection::name_at(std::size_t index) const
{
    return d->entries.at(index).name;
}

const VariantValue &SymbolCollection::value_at(std::size_t index) const
{
    return d->entries.at(index).value;
}

bool SymbolCollection::operator==(const SymbolCollection &other) const
{
    const auto &a = d->entries, &b = other.d->entries;
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const SymbolEntry &x, const SymbolEntry &y) {
        return x.name == y.name && x.value == y.value;
    });
}

} // namespace vorlenta
