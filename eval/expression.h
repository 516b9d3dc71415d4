// SPDX-License-Identifier: MIT
#pragma once

// One expression, from its text to its value in a single pass: a character-by-
// character state machine checks the syntax and puts in symbol values, an
// operator stack orders the operators by precedence into postfix order, and
// each postfix token is applied to a value stack the moment it is emitted.
//
// The grammar, exactly as the state machine accepts it. Blanks and control
// characters may stand between any two tokens, and end a number or a name.
//
//   input      := [ expression ]                 blanks only: the value 0
//   expression := term { infix term }
//   term       := [ sign ] { function } operand   "-S4", "SS16"; not "--2", "S-4"
//   sign       := "-" | "+"                       negation; nothing
//   function   := "E" | "S" | "L" | "%"
//   infix      := "+" | "-" | "*" | "/" | "^"
//   operand    := number | name | "(" expression ")"
//   number     := digits [ point [ digits ] ] | point digits
//   name       := symbol_name.h; an upper-case "E", "S" or "L" where a name
//                 would start is a function
//
// `point` is the evaluator's decimal separator; the other of "." and "," is
// a fault, and so is a function right after an operand, as a number there is
// ("2E3", "50%"). Negation binds tightest ("-2^2" is 4), then "^" and the
// functions alike ("S16^2" is 16), then "*" and "/", then "+" and "-"; each
// infix operator groups from the left ("2^3^2" is 64).
//
// A syntax fault anywhere wins over an arithmetic fault of the tokens before
// it: those are applied, but their fault is only reported when the whole
// expression has converted. Of arithmetic faults the first in postfix order
// counts; the tokens after it are not applied.
//
// The state machine hands each token, in postfix order, to a sink: one that
// applies it at once (ExpressionRunner::run), or one that writes a program
// for later (ExpressionRunner::compile, program.h).

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include <vorlenta/eval/symbol_collection.h>

#include "eval/operand.h"

namespace vorlenta {

// The parser's states and what may follow each.
enum class ParserState : std::int16_t {
    Start = 0,         // nothing yet, or "(" read here: operand, sign, prefix, "(", end of text
    AfterOperand = 1,  // number, name or ")": infix operator, ")", end of text
    AfterOperator = 2, // infix operator, or "(" after one or after a prefix: operand, sign, prefix, "("
    AfterPrefix = 3,   // sign or prefix letter: operand, prefix, "("
};

// A blank text evaluates to 0 for Evaluate; the ways that give faults as
// values call it a fault at its first position, so that nothing is told
// apart from zero.
inline constexpr const char *OperandExpectedMessage = "Operand expected";
inline constexpr int BlankTextPosition = 1;

// How the reading of a text ended.
struct SyntaxOutcome {
    int position = 0;    // 1-based position of a syntax fault; 0 without one
    std::string message; // its message
    bool blank = false;  // no fault, and nothing but blanks and control characters
};

struct ExpressionOutcome {
    double value = 0.0;     // 0 after any fault, and for a blank text
    std::int32_t fault = 0; // 0, or the arithmetic fault: 5, 6 or 11
    bool too_long = false;  // the fault is the postfix text passing its limit
    SyntaxOutcome syntax;
};

// Evaluates expressions; keeps its stacks from one expression to the next.
class ExpressionRunner {
public:
    // `point` ('.' or ',') is the decimal point of the numbers. Raises
    // EvalError Overflow (6) when a position passes 32,767 or more than 32,760
    // operators are pending, and InvalidSymbolValue when a symbol's stored
    // value is no number.
    ExpressionOutcome run(std::string_view expression, char point, const SymbolIndex &symbols);

private:
    std::vector<Token> m_operators;
    std::vector<double> m_values;
};

class ProgramBuilder;

// Reads the text into a program instead (program.h), every name a symbol of
// it. Raises EvalError Overflow (6) as run does.
SyntaxOutcome compile_expression(std::string_view expression, char point, ProgramBuilder &program);

} // namespace vorlenta
