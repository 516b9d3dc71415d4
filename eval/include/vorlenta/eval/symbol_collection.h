// SPDX-License-Identifier: MIT
#pragma once

// The keyed collection behind the symbol table: variant values under text
// keys that match without regard to letter case, kept in insertion order, each
// key stored with the case it was given. It checks nothing about the values:
// that is the symbol table's job, and a caller working on the collection
// directly bypasses it.

#include <vector>

#include <QHash>
#include <QString>
#include <QStringView>

#include <vorlenta/eval/variant_value.h>
#include <vorlenta/eval_export.h>

namespace vorlenta {

class VORLENTA_EVAL_EXPORT SymbolCollection {
public:
    struct Entry {
        QString name;
        VariantValue value;
        friend bool operator==(const Entry &, const Entry &) = default;
    };

    qsizetype size() const noexcept { return qsizetype(m_Entries.size()); }
    bool contains(QStringView name) const { return find(name) != nullptr; }

    // The stored value, or nullptr when no key matches. The pointer stays
    // valid until the collection next changes.
    const VariantValue *find(QStringView name) const;

    // Appends an entry; false (and nothing changes) when the key is taken.
    bool add(const QString &name, const VariantValue &value);

    // Removes the entry; false when no key matches.
    bool remove(QStringView name);

    // The entries in insertion order.
    const std::vector<Entry> &entries() const noexcept { return m_Entries; }

    friend bool operator==(const SymbolCollection &a, const SymbolCollection &b)
    {
        return a.m_Entries == b.m_Entries;
    }

private:
    std::vector<Entry> m_Entries;
    QHash<QString, qsizetype> m_Index; // case-folded key -> position in m_Entries
};

} // namespace vorlenta
