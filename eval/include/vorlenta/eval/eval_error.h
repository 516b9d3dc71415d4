// SPDX-License-Identifier: MIT
#pragma once

// EvalError, the one error type of the expression evaluator, and the numbers
// it carries.
//
// The number says what went wrong. Numbers below 0x80040000 (5, 6, 11)
// name a fault of arithmetic or of capacity: a value out of a function's
// domain, a value or count too large, a division by zero. Numbers from
// 0x80040000 up, negative when read as signed 32-bit integers, name a misuse
// of one of the evaluator's classes or a fault in the expression: 0x80040000
// plus a small number per fault. The numbers are stable; programs compare
// number() against these constants.

#include <cstdint>
#include <exception>
#include <memory>
#include <string>

#include <vorlenta/eval_export.h>

namespace vorlenta {

namespace eval_errors {

constexpr std::int32_t ObjectErrorBase = std::int32_t(0x80040000u);

// A function argument outside its domain: square root of a negative number
// ("S(-4)"), logarithm of zero or of a negative number ("L0"), a negative
// number raised to a non-integral power ("(-8)^(1/3)"). Shown as a notice.
constexpr std::int32_t InvalidArgument = 5;

// A value beyond its type's range. Raised by Evaluate for an expression of
// 32,767 characters or more, or with more than 32,760 pending operators
// (40,000 "(" in a row); by CStack::Push past 32,760 values; by
// CSymbolTable::Count past 32,767 symbols. Shown as a notice for a result or a
// number beyond the range of a double ("10^400", "E1000", a 400-digit literal,
// a symbol whose text is "1e400") and for a postfix text longer than 32,767
// characters.
constexpr std::int32_t Overflow = 6;

// Division by zero ("1/0"), zero divided by zero included ("0/0"), and zero
// raised to a negative power ("0^-1"). Shown as a notice.
constexpr std::int32_t DivisionByZero = 11;

// Reserved: nothing raises it. (Arithmetic on a text value that does not
// read as a number; Evaluate only ever computes with numbers.)
constexpr std::int32_t TypeMismatch = 13;

// CStack: GetPopValue on an empty stack (raised), Pop on an empty stack
// (left pending). 0x80040001.
constexpr std::int32_t EmptyStack = ObjectErrorBase + 1;

// CEval::Evaluate: the expression has a syntax fault, for example "2*(3"
// (closing parenthesis expected at 5) or "1 2" (operator expected at 3). The
// description is the fault's message and the error carries its 1-based
// position. 0x80040002.
constexpr std::int32_t SyntaxFault = ObjectErrorBase + 2;

// CEval::set_decimal_separator with anything but '.' or ','. 0x80040003.
constexpr std::int32_t InvalidDecimalSeparator = ObjectErrorBase + 3;

// CEval::evaluate only, for what Evaluate raises or shows as Overflow (6) for
// want of room: an expression of 32,767 characters or more, more than 32,760
// pending operators, a postfix text longer than 32,767 characters.
// 0x80040004.
constexpr std::int32_t ExpressionTooLong = ObjectErrorBase + 4;

// Reserved: nothing raises it. CEval::define refuses a name that no
// expression can use by its result and reason, not by an error. 0x80040005.
constexpr std::int32_t InvalidSymbolName = ObjectErrorBase + 5;

// Expression::evaluate with a number of values other than the number of the
// expression's symbols: "x*y" given one value. 0x80040006.
constexpr std::int32_t ValueCountMismatch = ObjectErrorBase + 6;

// CSymbolTable: a value that is no number written to a symbol (Value, write
// form, with "abc"). Also raised by Evaluate when an expression uses a symbol
// whose stored value is no number, which only a caller filling m_Symbols
// directly (or changing the decimal separator after storing a text) can
// cause; and given by Expression::evaluate for a value that is infinite or
// NaN. 0x8004000A.
constexpr std::int32_t InvalidSymbolValue = ObjectErrorBase + 10;

// CSymbolTable: Value (write form) for a name that is not defined. 0x8004000C.
constexpr std::int32_t SymbolNotDefined = ObjectErrorBase + 12;

} // namespace eval_errors

class VORLENTA_EVAL_EXPORT EvalError : public std::exception {
public:
    EvalError(std::int32_t number, std::string source, std::string description, int position = 0);
    EvalError(const EvalError &other) noexcept;
    EvalError &operator=(const EvalError &other) noexcept;
    ~EvalError() override;

    std::int32_t number() const noexcept;
    // The class that raised it: "CEval", "CStack" or "CSymbolTable".
    const std::string &source() const noexcept;
    // The fault in English words: a syntax fault's message ("Operator
    // expected"), the class's own text ("Symbol not defined"), or the
    // arithmetic fault's name ("Overflow").
    const std::string &description() const noexcept;
    // The 1-based position of a syntax fault in the expression, counted in
    // characters (code points); 0 for every other error.
    int position() const noexcept;

    // "<number>, <description>", and " (position N)" for a syntax fault.
    const char *what() const noexcept override;

private:
    class VORLENTA_EVAL_NO_EXPORT Private;
    std::shared_ptr<const Private> d; // shared, so that copying never throws
};

} // namespace vorlenta
