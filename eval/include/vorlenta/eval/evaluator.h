// SPDX-License-Identifier: MIT
#pragma once

// CEval: evaluates an infix arithmetic expression with numbers, named symbols,
// signs, the prefix functions E (e to the power), S (square root), L (natural
// logarithm) and % (times 0.01), and parentheses, in IEEE double arithmetic.
//
//   CEval eval;
//   eval.m_SymbolTable.Add(QStringLiteral("mass"), 72.5);
//   double v = eval.Evaluate(QStringLiteral("mass*9.81"));
//
// A syntax fault raises EvalError (SyntaxFault, with its message and 1-based
// position) and evaluates nothing. An arithmetic fault is shown as a notice
// (notice.h) and Evaluate returns 0.
//
// Threads: a CEval and its symbol table belong to one thread at a time; two
// threads must not use the same CEval at once, not even to read its symbols.
// Separate CEval objects, each with its own symbols, decimal separator and
// notice handler, may evaluate on separate threads at the same time. Changing
// Qt's default locale (QLocale::setDefault) while another thread evaluates is
// not safe (Qt's own rule).

#include <QChar>
#include <QString>

#include <vorlenta/eval/eval_error.h>
#include <vorlenta/eval/notice.h>
#include <vorlenta/eval/symbol_table.h>
#include <vorlenta/eval_export.h>

namespace vorlenta {

class VORLENTA_EVAL_EXPORT CEval {
public:
    // The decimal separator starts as the user's: '.' when the decimal
    // separator of the default locale (QLocale()) is ".", ',' otherwise.
    CEval();

    // The symbols expressions may use; callers define, change, delete them
    // here, or replace the whole table.
    CSymbolTable m_SymbolTable;

    // The value of the expression.
    //
    // Numbers are digits with at most one decimal separator (decimal_separator)
    // and no sign or exponent; the other of '.' and ',' is a syntax fault.
    // Symbols stand for their values; a symbol's text value is read in the
    // user's locale.
    //
    // Raises EvalError: SyntaxFault for a syntax fault (nothing is evaluated),
    // Overflow (6) for an expression of 32,767 characters or more or with more
    // than 32,760 pending operators, InvalidSymbolValue for a symbol whose
    // stored value is no number (only when m_Symbols was filled directly).
    //
    // An error during the evaluation itself is shown as a notice, and the
    // result is 0: division by zero, a value outside a function's domain, a
    // number or result beyond the range of a double, and an expression whose
    // postfix form passes 32,767 characters. That form writes every number,
    // operator and symbol followed by one blank, a symbol as the shortest text
    // of its value: "x+y" with x = 0.1 and y = 20 takes "0.1 20 + ", 9
    // characters.
    double Evaluate(const QString &sExpression);

    // The decimal separator of the numbers in expressions, '.' or ','. It
    // applies to this evaluator only. Anything else raises EvalError
    // InvalidDecimalSeparator and leaves the separator as it was.
    void set_decimal_separator(QChar separator);
    QChar decimal_separator() const noexcept { return m_DecimalSeparator; }

    // Sends this evaluator's notices to `handler` instead of the process-wide
    // one (install_notice_handler); an empty handler restores the default.
    void set_notice_handler(NoticeHandler handler) { m_NoticeHandler = std::move(handler); }

private:
    // The message of the last syntax fault; only ever overwritten.
    QString m_ErrorMessage;
    NoticeHandler m_NoticeHandler;
    QChar m_DecimalSeparator;
};

} // namespace vorlenta
