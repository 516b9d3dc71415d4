// SPDX-License-Identifier: MIT
#include <vorlenta/eval/symbol_table.h>

#include "eval/counter16.h"
#include "eval/variant_number.h"

namespace vorlenta {
namespace {

const QString &table_source()
{
    static const QString source = QStringLiteral("CSymbolTable");
    return source;
}

} // namespace

void CSymbolTable::Add(const QString &sName, const VariantValue &nValue)
{
    if (!IsSymbolDefined(sName) && is_numeric_value(nValue))
        m_Symbols.add(sName, nValue);
}

void CSymbolTable::Delete(const QString &sName)
{
    m_Symbols.remove(sName);
}

bool CSymbolTable::IsSymbolDefined(const QString &sName) const
{
    return m_Symbols.contains(sName);
}

void CSymbolTable::Value(const QString &sName, const VariantValue &nValue)
{
    if (!IsSymbolDefined(sName))
        throw EvalError(eval_errors::SymbolNotDefined, table_source(),
                        QStringLiteral("Symbol not defined"));
    if (!is_numeric_value(nValue))
        throw EvalError(eval_errors::InvalidSymbolValue, table_source(),
                        QStringLiteral("Invalid symbol value"));
    // Removing and adding again moves the symbol to the end of the order and
    // gives it the case of this call's name.
    Delete(sName);
    Add(sName, nValue);
}

VariantValue CSymbolTable::Value(const QString &sName) const
{
    const VariantValue *value = m_Symbols.find(sName);
    return value ? *value : VariantValue();
}

std::int16_t CSymbolTable::Count() const
{
    return to16(m_Symbols.size(), table_source());
}

} // namespace vorlenta
