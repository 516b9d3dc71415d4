// SPDX-License-Identifier: MIT
#pragma once

// CSymbolTable: the named numeric values (symbols) that an expression may use
// in place of numbers. Names match without regard to letter case and keep the
// case they were last written with; values keep their kind (a text stays a
// text). Whether a value is a number is decided in the user's locale
// (QLocale()): "2.5" is a number where the locale's decimal separator is ".",
// "2,5" where it is ",".

#include <cstdint>

#include <vorlenta/eval/symbol_collection.h>
#include <vorlenta/eval/variant_value.h>
#include <vorlenta/eval_export.h>

namespace vorlenta {

class VORLENTA_EVAL_EXPORT CSymbolTable {
public:
    // The symbols themselves. Callers may read the collection or replace it;
    // doing so bypasses the numeric checks of Add and Value.
    SymbolCollection m_Symbols;

    // Defines a symbol. Silently does nothing when the name is taken or the
    // value fails the numeric test (a text that is no number in the user's
    // locale, an infinity, NaN).
    void Add(const QString &sName, const VariantValue &nValue);

    // Removes a symbol; nothing when it is not defined.
    void Delete(const QString &sName);

    bool IsSymbolDefined(const QString &sName) const;

    // Replaces the value of a defined symbol, and the case of its name with
    // the one given here. Raises EvalError SymbolNotDefined or
    // InvalidSymbolValue, and then leaves the table unchanged.
    void Value(const QString &sName, const VariantValue &nValue);

    // A copy of the symbol's value; the empty value when it is not defined.
    VariantValue Value(const QString &sName) const;

    // The number of symbols; raises EvalError Overflow (6) past 32,767.
    std::int16_t Count() const;
};

} // namespace vorlenta
