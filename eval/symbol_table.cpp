// SPDX-License-Identifier: MIT
#include <vorlenta/eval/symbol_table.h>

#include "eval/counter16.h"
#include "eval/number_text.h"
#include "eval/symbol_index.h"

namespace vorlenta {
namespace {

// A moved-from table has no settings: it reads '.' as a new one does.
char separator_of(const std::unique_ptr<SymbolTableSettings> &settings)
{
    return settings ? settings->separator : SymbolTableSettings().separator;
}

} // namespace

CSymbolTable::CSymbolTable() : d(std::make_unique<SymbolTableSettings>()) {}
CSymbolTable::CSymbolTable(const CSymbolTable &other)
    : m_Symbols(other.m_Symbols), d(std::make_unique<SymbolTableSettings>(SymbolTableSettings{separator_of(other.d)}))
{
}
CSymbolTable::CSymbolTable(CSymbolTable &&other) noexcept = default;
CSymbolTable::~CSymbolTable() = default;

// The symbols change hands; the separator stays the owner's.
CSymbolTable &CSymbolTable::operator=(const CSymbolTable &other)
{
    m_Symbols = other.m_Symbols;
    return *this;
}

CSymbolTable &CSymbolTable::operator=(CSymbolTable &&other) noexcept
{
    m_Symbols = std::move(other.m_Symbols);
    return *this;
}

void CSymbolTable::Add(std::string_view sName, const VariantValue &nValue)
{
    if (!IsSymbolDefined(sName) && is_numeric_value(nValue, separator_of(d)))
        m_Symbols.add(sName, nValue);
}

void CSymbolTable::Delete(std::string_view sName)
{
    m_Symbols.remove(sName);
}

bool CSymbolTable::IsSymbolDefined(std::string_view sName) const
{
    return m_Symbols.contains(sName);
}

void CSymbolTable::Value(std::string_view sName, const VariantValue &nValue)
{
    if (!IsSymbolDefined(sName))
        throw error_for(eval_errors::SymbolNotDefined, TableSource);
    if (!is_numeric_value(nValue, separator_of(d)))
        throw error_for(eval_errors::InvalidSymbolValue, TableSource);
    // Removing and adding again moves the symbol to the end of the order and
    // gives it the case of this call's name. The value is copied first: it
    // may be the stored one that Delete destroys.
    const VariantValue value = nValue; // NOLINT(performance-unnecessary-copy-initialization)
    Delete(sName);
    Add(sName, value);
}

VariantValue CSymbolTable::Value(std::string_view sName) const
{
    const VariantValue *value = m_Symbols.find(sName);
    return value ? *value : VariantValue();
}

std::int16_t CSymbolTable::Count() const
{
    return to16((long long)m_Symbols.size(), TableSource);
}

} // namespace vorlenta
