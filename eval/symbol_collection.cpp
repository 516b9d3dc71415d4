// SPDX-License-Identifier: MIT
#include <vorlenta/eval/symbol_collection.h>

#include <algorithm>
#include <cstring>
#include <stdexcept>
#include <string>

#include "eval/number_text.h"
#include "eval/symbol_index.h"

namespace vorlenta {
namespace {

char fold(char c)
{
    return (c >= 'A' && c <= 'Z') ? char(c + ('a' - 'A')) : c;
}

// Eight bytes at a time, each with its 0x20 bit set: that folds A-Z onto
// a-z (and some other bytes onto others, which only makes names share a
// hash), so names that match without regard to case hash alike.
std::size_t hash_of(std::string_view name)
{
    constexpr std::uint64_t multiplier = 0x9E3779B97F4A7C15ull, case_bits = 0x2020202020202020ull;
    std::uint64_t hash = multiplier ^ name.size();
    std::size_t at = 0;
    for (; at + 8 <= name.size(); at += 8) {
        std::uint64_t chunk;
        std::memcpy(&chunk, name.data() + at, 8);
        hash = (hash ^ (chunk | case_bits)) * multiplier;
        hash ^= hash >> 29;
    }
    if (at < name.size()) {
        std::uint64_t chunk = 0;
        for (std::size_t i = at; i < name.size(); ++i)
            chunk = chunk << 8 | std::uint8_t(name[i]);
        hash = (hash ^ (chunk | case_bits)) * multiplier;
        hash ^= hash >> 29;
    }
    return std::size_t(hash);
}

bool same_name(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    if (a == b)
        return true; // the usual case: written alike
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
        if (at == Free || same_name(m_entries[at].name, name))
            return slot;
    }
}

void SymbolIndex::rebuild(std::size_t slot_count)
{
    std::vector<std::uint32_t> slots(slot_count, Free);
    m_slots.swap(slots);
    for (std::size_t i = 0; i < m_entries.size(); ++i) {
        if (!m_entries[i].removed)
            m_slots[slot_of(m_entries[i].name)] = std::uint32_t(i);
    }
}

// The Fenwick tree's node for the entry just appended (position n, from 1)
// counts the entries from n - lowbit(n) + 1 to n.
void SymbolIndex::count_appended()
{
    const std::size_t n = m_entries.size();
    const auto prefix = [this](std::size_t p) {
        std::uint32_t sum = 0;
        for (; p > 0; p -= p & -p)
            sum += m_counts[p - 1];
        return sum;
    };
    m_counts.push_back(1 + prefix(n - 1) - prefix(n - (n & -n)));
}

// Without the removed entries, and every count and slot anew; allocates nothing.
void SymbolIndex::compact()
{
    std::erase_if(m_entries, [](const SymbolEntry &entry) { return entry.removed; });
    m_removed = 0;
    m_counts.resize(m_entries.size());
    for (std::size_t p = 1; p <= m_counts.size(); ++p)
        m_counts[p - 1] = std::uint32_t(p & -p);
    std::fill(m_slots.begin(), m_slots.end(), Free);
    for (std::size_t i = 0; i < m_entries.size(); ++i)
        m_slots[slot_of(m_entries[i].name)] = std::uint32_t(i);
}

const SymbolEntry *SymbolIndex::find(std::string_view name) const
{
    if (size() == 0)
        return nullptr;
    const std::uint32_t at = m_slots[slot_of(name)];
    return at == Free ? nullptr : &m_entries[at];
}

const SymbolEntry *SymbolIndex::at(std::size_t index) const
{
    if (index >= size())
        return nullptr;
    if (m_removed == 0)
        return &m_entries[index];
    // The first position whose count of entries up to it passes `index`.
    std::size_t position = 0, step = 1;
    while (step * 2 <= m_counts.size())
        step *= 2;
    std::size_t left = index + 1;
    for (; step > 0; step /= 2) {
        if (position + step <= m_counts.size() && m_counts[position + step - 1] < left) {
            position += step;
            left -= m_counts[position - 1];
        }
    }
    return &m_entries[position];
}

bool SymbolIndex::add(std::string_view name, const VariantValue &value)
{
    if (find(name))
        return false;
    // The entry first, then its count and the index: whatever throws leaves
    // all three as they were.
    // Only a text reads differently with the other separator.
    const Operand point_operand = symbol_operand(value, '.');
    const Operand comma_operand = value.is_text() ? symbol_operand(value, ',') : point_operand;
    m_entries.push_back({std::string(name), value, point_operand, comma_operand, false});
    try {
        count_appended();
        if (size() * 2 > m_slots.size())
            rebuild(std::max<std::size_t>(16, m_slots.size() * 2));
        else
            m_slots[slot_of(name)] = std::uint32_t(m_entries.size() - 1);
    } catch (...) {
        m_counts.resize(m_entries.size() - 1);
        m_entries.pop_back();
        throw;
    }
    return true;
}

bool SymbolIndex::remove(std::string_view name)
{
    if (size() == 0)
        return false;
    std::size_t hole = slot_of(name);
    const std::uint32_t at = m_slots[hole];
    if (at == Free)
        return false;
    SymbolEntry &entry = m_entries[at];
    entry.removed = true;
    entry.value = VariantValue();
    ++m_removed;
    for (std::size_t p = at + 1; p <= m_counts.size(); p += p & -p)
        --m_counts[p - 1];
    // Backward-shift deletion: each slot after the hole, up to a free one,
    // moves into it unless its name's home slot lies between the two, so
    // that every probe chain stays unbroken.
    const std::size_t mask = m_slots.size() - 1;
    for (std::size_t next = (hole + 1) & mask; m_slots[next] != Free; next = (next + 1) & mask) {
        const std::size_t home = hash_of(m_entries[m_slots[next]].name) & mask;
        const bool stays = hole <= next ? (hole < home && home <= next) : (hole < home || home <= next);
        if (!stays) {
            m_slots[hole] = m_slots[next];
            hole = next;
        }
    }
    m_slots[hole] = Free;
    if (m_removed > size())
        compact();
    return true;
}

// A moved-from collection has no index: it is an empty one until an entry
// is added.
SymbolCollection::SymbolCollection() : d(std::make_unique<SymbolIndex>()) {}
SymbolCollection::SymbolCollection(const SymbolCollection &other)
    : d(other.d ? std::make_unique<SymbolIndex>(*other.d) : std::make_unique<SymbolIndex>())
{
}
SymbolCollection::SymbolCollection(SymbolCollection &&other) noexcept = default;
SymbolCollection &SymbolCollection::operator=(SymbolCollection &&other) noexcept = default;
SymbolCollection::~SymbolCollection() = default;

SymbolCollection &SymbolCollection::operator=(const SymbolCollection &other)
{
    if (this != &other)
        d = other.d ? std::make_unique<SymbolIndex>(*other.d) : std::make_unique<SymbolIndex>();
    return *this;
}

std::size_t SymbolCollection::size() const noexcept
{
    return d ? d->size() : 0;
}

bool SymbolCollection::contains(std::string_view name) const
{
    return d && d->find(name) != nullptr;
}

const VariantValue *SymbolCollection::find(std::string_view name) const
{
    const SymbolEntry *entry = d ? d->find(name) : nullptr;
    return entry ? &entry->value : nullptr;
}

bool SymbolCollection::add(std::string_view name, const VariantValue &value)
{
    if (!d)
        d = std::make_unique<SymbolIndex>();
    return d->add(name, value);
}

bool SymbolCollection::remove(std::string_view name)
{
    return d && d->remove(name);
}

namespace {

const SymbolEntry &entry_at(const std::unique_ptr<SymbolIndex> &index, std::size_t at)
{
    const SymbolEntry *entry = index ? index->at(at) : nullptr;
    if (!entry)
        throw std::out_of_range("SymbolCollection: no entry at " + std::to_string(at));
    return *entry;
}

} // namespace

const std::string &SymbolCollection::name_at(std::size_t index) const
{
    return entry_at(d, index).name;
}

const VariantValue &SymbolCollection::value_at(std::size_t index) const
{
    return entry_at(d, index).value;
}

bool SymbolCollection::operator==(const SymbolCollection &other) const
{
    if (size() != other.size())
        return false;
    for (std::size_t i = 0; i < size(); ++i) {
        const SymbolEntry &a = entry_at(d, i), &b = entry_at(other.d, i);
        if (a.name != b.name || a.value != b.value)
            return false;
    }
    return true;
}

} // namespace vorlenta
