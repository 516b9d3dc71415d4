// SPDX-License-Identifier: MIT
#pragma once

// CSymbolTable: the named numeric values (symbols) that an expression may use
// in place of numbers. Names match without regard to the case of ASCII
// letters and keep the case they were last written with; values keep their
// kind (a text stays a text). A text value is a number when it reads as one
// with the decimal separator of the evaluator that owns the table ('.' for a
// table on its own): an optional sign, digits with at most one separator, an
// optional exponent ("e" or "E", a sign, digits), blanks around it allowed.
// "2.5" is a number for an evaluator that reads ".", "2,5" for one that
// reads ",".
//
// Copying copies the symbols; assigning a table to an evaluator's
// m_SymbolTable replaces its symbols and keeps the evaluator's separator.

#include <cstdint>
#include <memory>
#include <string_view>

#include <vorlenta/eval/symbol_collection.h>
#include <vorlenta/eval/variant_value.h>
#include <vorlenta/eval_export.h>

namespace vorlenta {

class SymbolTableSettings; // the library's own

class VORLENTA_EVAL_EXPORT CSymbolTable {
public:
    CSymbolTable();
    CSymbolTable(const CSymbolTable &other);
    CSymbolTable(CSymbolTable &&other) noexcept;
    CSymbolTable &operator=(const CSymbolTable &other);
    CSymbolTable &operator=(CSymbolTable &&other) noexcept;
    ~CSymbolTable();

    // The symbols themselves. Callers may read the collection or replace it;
    // doing so bypasses the numeric checks of Add and Value.
    SymbolCollection m_Symbols;

    // Defines a symbol. Silently does nothing when the name is taken or the
    // value fails the numeric test (a text that is no number, an infinity,
    // NaN). Any name is stored; only those an expression can name are of use
    // (an ASCII letter or "_" first, but not E, S or L, then letters, digits
    // and "_"): CEval::define refuses the others.
    void Add(std::string_view sName, const VariantValue &nValue);

    // Removes a symbol; nothing when it is not defined.
    void Delete(std::string_view sName);

    bool IsSymbolDefined(std::string_view sName) const;

    // Replaces the value of a defined symbol, and the case of its name with
    // the one given here; the symbol moves to the end of the order. Raises
    // EvalError SymbolNotDefined or InvalidSymbolValue, and then leaves the
    // table unchanged.
    void Value(std::string_view sName, const VariantValue &nValue);

    // A copy of the symbol's value; the empty value when it is not defined.
    VariantValue Value(std::string_view sName) const;

    // The number of symbols; raises EvalError Overflow (6) past 32,767.
    std::int16_t Count() const;

private:
    friend class CEval;
    std::unique_ptr<SymbolTableSettings> d;
};

} // namespace vorlenta
