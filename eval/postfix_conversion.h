// SPDX-License-Identifier: MIT
#pragma once

// The conversion of an infix expression into postfix form: a character-by-
// character state machine that checks the syntax, puts in symbol values and
// orders operators by precedence with an operator stack.
//
// Grammar, as the state machine reads it:
//   expression := { prefix } operand { infix { prefix } operand }
//   prefix     := "-" | "+" | "E" | "S" | "L" | "%"
//   operand    := number | name | "(" expression ")"
//   number     := run of digits with at most one decimal point (no sign, no exponent)
//   name       := ("A".."Z" | "a".."z" | "_") { letter | digit | "_" }
// except that "E", "S", "L" and "%" are taken as prefix functions wherever
// they stand, also right after an operand ("2S9" is 2, then the root of 9).

#include <cstdint>

#include <QChar>
#include <QString>

#include <vorlenta/eval/symbol_table.h>

#include "eval/postfix.h"

namespace vorlenta {

// The parser's states and what may follow each.
enum class ParserState : std::int16_t {
    Start = 0,         // nothing yet, or "(" read here: operand, sign, "(", end of text
    AfterOperand = 1,  // number, name or ")": infix operator, ")", end of text
    AfterOperator = 2, // infix operator, or "(" after one or after a prefix: operand, sign, "("
    AfterPrefix = 3,   // sign or prefix letter: operand, "("
};

// Appends the postfix form of the expression to `postfix`; `point` ('.' or
// ',') is the decimal point of its numbers. Returns 0 when the whole
// expression converted; otherwise the 1-based position of the fault (the
// length plus 1 for a fault at the end), with its message in `error_message`.
// Raises overflow (6) when a position passes 32,767 or more than 32,760
// operators are pending, and InvalidSymbolValue when a symbol's stored value
// is no number (only possible when the collection was filled directly).
std::int16_t convert_infix_to_postfix(const QString &sExpression, QChar point,
                                      const CSymbolTable &symbols, Postfix &postfix,
                                      QString &error_message);

} // namespace vorlenta
