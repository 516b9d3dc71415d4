#pragma once

// The conversion of an infix expression into postfix text: a character-by-
// character state machine that checks the syntax, substitutes symbol values
// and orders operators by precedence with an operator stack.
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

#include <QString>
#include <QStringView>

#include "eval/symbol_table.h"

namespace vorlenta {

// The parser's states and what may follow each.
enum class ParserState : std::int16_t {
    Start = 0,         // nothing yet, or "(" read here: operand, sign, "(", end of text
    AfterOperand = 1,  // number, name or ")": infix operator, ")", end of text
    AfterOperator = 2, // infix operator, or "(" after one or after a prefix: operand, sign, "("
    AfterPrefix = 3,   // sign or prefix letter: operand, "("
};

// The fault messages of the conversion, word for word.
namespace conversion_faults {
inline const QString OperatorExpected = QStringLiteral("Operator expected");
inline const QString OperandExpected = QStringLiteral("Operand expected");
inline const QString UnmatchedClosing =
    QStringLiteral("Closing parenthesis without matching open parenthesis");
inline const QString ClosingExpected = QStringLiteral("Closing parenthesis expected");
inline const QString MultipleDecimalPoints =
    QStringLiteral("Operand contains multiple decimal points");
inline const QString InvalidOperand = QStringLiteral("Invalid operand");
inline const QString UnexpectedCharacter = QStringLiteral("Unexpected character encountered");
QString undefined_symbol(const QString &name); // "Undefined symbol : 'name'"
} // namespace conversion_faults

// Precedence of an operator token, by exact text: "+" "-" 1; "*" "/" 2;
// "^" "E" "S" "L" "%" 3; "(-)" (negation) 10; anything else, "(" included, 0.
std::int16_t OperatorPrecedence(QStringView token);

// Tests of the first character of a text, taken in upper case: a name starts
// with a Latin letter or "_" and goes on with letters, digits and "_". Only
// ASCII letters count.
bool IsSymbolStartChar(QStringView text);
bool IsSymbolChar(QStringView text);

// Appends the postfix form of the expression to `postfix`, each token followed
// by one blank. Returns 0 when the whole expression converted; otherwise the
// 1-based position of the fault (the length plus 1 for a fault at the end),
// with its message in `error_message` and the tokens emitted before it left in
// `postfix`. Raises overflow (6) when a position passes 32,767 or more than
// 32,760 operators are pending, and InvalidSymbolValue when a symbol's stored
// value is no number (only possible when the collection was filled directly).
std::int16_t convert_infix_to_postfix(const QString &sExpression, QString &postfix,
                                      const CSymbolTable &symbols, QString &error_message);

} // namespace vorlenta
