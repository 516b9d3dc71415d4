// SPDX-License-Identifier: MIT
#pragma once

// The keyed collection behind the symbol table: variant values under text
// keys, kept in insertion order, each key stored with the case it was given.
// Keys match without regard to the case of the ASCII letters A to Z (the only
// letters an expression's names have); any other character must match
// exactly. It checks nothing about the values: that is the symbol table's
// job, and a caller working on the collection directly bypasses it.
//
// Copying copies the entries; a moved-from collection is an empty one.
// Adding, finding and removing an entry cost the same whatever the number of
// entries (amortised).

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

#include <vorlenta/eval/variant_value.h>
#include <vorlenta/eval_export.h>

namespace vorlenta {

class SymbolIndex; // the library's own

class VORLENTA_EVAL_EXPORT SymbolCollection {
public:
    SymbolCollection();
    SymbolCollection(const SymbolCollection &other);
    SymbolCollection(SymbolCollection &&other) noexcept;
    SymbolCollection &operator=(const SymbolCollection &other);
    SymbolCollection &operator=(SymbolCollection &&other) noexcept;
    ~SymbolCollection();

    std::size_t size() const noexcept;
    bool contains(std::string_view name) const;

    // The stored value, or nullptr when no key matches. The pointer stays
    // valid until the collection next changes.
    const VariantValue *find(std::string_view name) const;

    // Appends an entry; false (and nothing changes) when the key is taken.
    // On an exception (out of memory) nothing changes either.
    bool add(std::string_view name, const VariantValue &value);

    // Removes the entry; false when no key matches.
    bool remove(std::string_view name);

    // The entry at `index` (0 to size() - 1) in insertion order.
    const std::string &name_at(std::size_t index) const;
    const VariantValue &value_at(std::size_t index) const;

    // The same names with the same case and values, in the same order.
    bool operator==(const SymbolCollection &other) const;
    bool operator!=(const SymbolCollection &other) const { return !(*this == other); }

private:
    friend class CEval;
    std::unique_ptr<SymbolIndex> d;
};

} // namespace vorlenta
