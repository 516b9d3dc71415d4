#pragma once

// CEval: evaluates an infix arithmetic expression with numbers, named symbols,
// signs, the prefix functions E (e to the power), S (square root), L (natural
// logarithm) and % (times 0.01), and parentheses.
//
//   CEval eval;
//   eval.m_SymbolTable.Add(QStringLiteral("mass"), 72.5);
//   double v = eval.Evaluate(QStringLiteral("mass*9.81"));
//
// A syntax fault raises EvalError (SyntaxFault, with its message and 1-based
// position) and evaluates nothing. An arithmetic fault is shown as a notice
// and Evaluate returns 0.

#include <cstdint>

#include <QString>

#include "eval/eval_error.h"
#include "eval/notice.h"
#include "eval/symbol_table.h"

namespace vorlenta {

class CEval {
public:
    // The symbols expressions may use; callers define, change, delete them
    // here, or replace the whole table.
    CSymbolTable m_SymbolTable;

    // The value of the expression, with numbers and symbol values read in the
    // user's locale (the decimal point is "." when DecimalSeparator is ".",
    // "," otherwise).
    //
    // Raises EvalError: SyntaxFault for a syntax fault (nothing is evaluated),
    // Overflow (6) for an expression of 32,767 characters or more or with more
    // than 32,760 pending operators, InvalidSymbolValue for a symbol whose
    // stored value is no number (only when m_Symbols was filled directly).
    //
    // An error during the evaluation itself (division by zero, a value outside
    // a function's domain, a number or result beyond the range of a double) is
    // shown through the notice handler, and the result is 0.
    double Evaluate(const QString &sExpression);

    // Sends this evaluator's notices to `handler` instead of the process-wide
    // one (install_notice_handler); an empty handler restores the default.
    void set_notice_handler(NoticeHandler handler) { m_NoticeHandler = std::move(handler); }

private:
    std::int16_t InfixToPostfix(const QString &sExpression, QString &postfix);
    double EvaluatePostfix(const QString &postfix);

    // The message of the last conversion fault; only ever overwritten.
    QString m_ErrorMessage;
    NoticeHandler m_NoticeHandler;
};

} // namespace vorlenta
