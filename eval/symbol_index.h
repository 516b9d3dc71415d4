// SPDX-License-Identifier: MIT
#pragma once

// What the symbol collection holds: its entries in insertion order, each with
// its operand in both notations worked out when it is stored, and an
// open-addressing index that finds a name without allocating, matching the
// ASCII letters without regard to case.
//
// Adding, finding and removing a name cost the same whatever the number of
// symbols (amortised): a removed entry stays in place, marked, until removed
// ones outnumber the others, and a count of the entries still there by
// position (a Fenwick tree) finds the i-th of them in insertion order.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include <vorlenta/eval/symbol_collection.h>

#include "eval/operand.h"

namespace vorlenta {

struct SymbolEntry {
    std::string name;
    VariantValue value;
    Operand point_operand; // read with '.'
    Operand comma_operand; // read with ','
    bool removed = false;

    const Operand &operand(char point) const { return point == ',' ? comma_operand : point_operand; }
};

class SymbolIndex {
public:
    const SymbolEntry *find(std::string_view name) const;
    bool add(std::string_view name, const VariantValue &value);
    bool remove(std::string_view name);

    std::size_t size() const noexcept { return m_entries.size() - m_removed; }
    // The entry at `index` (0 to size() - 1) in insertion order; nullptr past the end.
    const SymbolEntry *at(std::size_t index) const;

private:
    static constexpr std::uint32_t Free = UINT32_MAX;

    // The slot that holds the name, or the free slot where it would go.
    std::size_t slot_of(std::string_view name) const;
    void rebuild(std::size_t slot_count);
    void compact();
    void count_appended();

    std::vector<SymbolEntry> m_entries;
    std::size_t m_removed = 0;           // entries marked removed
    std::vector<std::uint32_t> m_slots;  // entry positions; a power of two, at most half full
    std::vector<std::uint32_t> m_counts; // Fenwick tree over positions: entries not removed
};

// What belongs to a symbol table's owner rather than to its symbols.
class SymbolTableSettings {
public:
    char separator = '.'; // the owning evaluator's, for the numeric test of texts
};

} // namespace vorlenta
