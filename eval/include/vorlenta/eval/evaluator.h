// SPDX-License-Identifier: MIT
#pragma once

// CEval: evaluates an infix arithmetic expression with numbers, named symbols,
// signs, the prefix functions E (e to the power), S (square root), L (natural
// logarithm) and % (times 0.01), and parentheses, in IEEE double arithmetic.
// Texts are UTF-8; positions count characters (code points) from 1.
//
// Two ways to learn of faults, side by side:
//
//   vorlenta::CEval eval;
//   eval.m_SymbolTable.Add("mass", 72.5);
//
//   // 1. Raised errors and notices, as the component always had them:
//   double v = eval.Evaluate("mass*9.81");  // syntax fault: EvalError;
//                                           // 1/0: a notice, then 0
//
//   // 2. Faults as values: no handler, no exception for the expression's faults.
//   vorlenta::EvalResult r = eval.evaluate("mass/0");
//   if (!r.ok())
//       std::printf("%s\n", r.message.c_str());  // "Division by zero"
//
// Threads: a CEval and its symbol table belong to one thread at a time; two
// threads must not use the same CEval at once, not even to read its symbols.
// Separate CEval objects, each with its own symbols, decimal separator and
// notice handler, may evaluate on separate threads at the same time.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include <vorlenta/eval/compiled_expression.h>
#include <vorlenta/eval/eval_error.h>
#include <vorlenta/eval/eval_result.h>
#include <vorlenta/eval/notice.h>
#include <vorlenta/eval/symbol_table.h>
#include <vorlenta/eval_export.h>

namespace vorlenta {

class VORLENTA_EVAL_EXPORT CEval {
public:
    // The decimal separator starts as the user's: '.' when the decimal
    // separator of the numeric locale (LC_ALL, LC_NUMERIC, LANG) is ".", ','
    // otherwise; '.' when that locale is not installed. The locale is read
    // once per process, by the first CEval.
    //
    // A moved-from CEval works as a new one, and so does one whose
    // m_SymbolTable was moved out.
    CEval();
    CEval(const CEval &other);
    CEval(CEval &&other) noexcept;
    CEval &operator=(const CEval &other);
    CEval &operator=(CEval &&other) noexcept;
    ~CEval();

    // The symbols expressions may use; callers define, change, delete them
    // here, or replace the whole table.
    CSymbolTable m_SymbolTable;

    // The value of the expression.
    //
    // Numbers are digits with at most one decimal separator (decimal_separator)
    // and no sign or exponent; the other of '.' and ',' is a syntax fault.
    // Symbols stand for their values.
    //
    // Raises EvalError: SyntaxFault for a syntax fault (nothing is evaluated),
    // Overflow (6) for an expression of 32,767 characters or more or with more
    // than 32,760 pending operators, InvalidSymbolValue for a symbol whose
    // stored value is no number.
    //
    // An error during the evaluation itself is shown as a notice (notice.h),
    // and the result is 0: division by zero, a value outside a function's
    // domain, a number or result beyond the range of a double, and an
    // expression whose postfix form passes 32,767 characters. That form writes
    // every number, operator and symbol followed by one blank, a symbol as the
    // shortest text of its value: "x+y" with x = 0.1 and y = 20 takes
    // "0.1 20 + ", 9 characters.
    double Evaluate(std::string_view sExpression);

    // The same evaluation with its faults as values: never throws for the
    // expression's own faults (only std::bad_alloc) and shows no notice.
    // What Evaluate raises or shows as Overflow for want of room is
    // ExpressionTooLong here; Overflow means a number or result beyond the
    // range of a double. A blank text, which Evaluate takes for 0, is
    // "Operand expected" at 1 here, so that nothing is not taken for zero.
    EvalResult evaluate(std::string_view expression);

    // The expression read once, with this evaluator's decimal separator, to
    // be evaluated many times with values for its names
    // (compiled_expression.h). Looks up nothing in m_SymbolTable; raises
    // nothing: faults come back from Expression::evaluate.
    Expression compile(std::string_view expression) const;

    // Defines the symbol, or gives a defined one this value (and this case,
    // moving it to the end of the order). False, with the reason in *why when
    // given, for a name no expression can use (empty; not an ASCII letter or
    // "_" first; E, S or L first; anything but ASCII letters, digits and "_")
    // and for a value that is not finite; the table is then unchanged.
    bool define(std::string_view name, double value, std::string *why = nullptr);

    // The decimal separator of the numbers in expressions and of the text
    // values of symbols, '.' or ','. It applies to this evaluator only.
    // Anything else raises EvalError InvalidDecimalSeparator and leaves the
    // separator as it was.
    void set_decimal_separator(char separator);
    char decimal_separator() const noexcept;

    // Sends this evaluator's notices to `handler` instead of the process-wide
    // one (install_notice_handler); an empty handler restores that. The
    // handler may call this while it runs.
    void set_notice_handler(NoticeHandler handler);

private:
    class Private;
    std::unique_ptr<Private> d;
};

} // namespace vorlenta
