// SPDX-License-Identifier: MIT
#pragma once

// An expression compiled for a small stack machine (which runs in
// compiled_expression.cpp): the postfix form with every name a parameter (a
// symbol, given a value at each run), parts made only of numbers worked out
// once when they cannot fail, and each operator fused with the operands that
// are numbers or symbols. A run computes the same IEEE double operations in
// the same order as reading the text afresh, with the same faults
// (arithmetic.h).
//
// The postfix text's limit (operand.h) depends on the text of each symbol's
// value, so a program counts the text it stands for: when the longest texts
// that values could have might pass the limit, a run counts as it goes.

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "eval/operand.h"

namespace vorlenta {

// Each group of infix operators is in the order of the Token values Add to
// Power; left and right are the operands.
// clang-format off
enum class Op : std::uint8_t {
    Push,       // a number
    PushSymbol, // a symbol's value
    Add, Subtract, Multiply, Divide, Power,                                    // the top two values
    AddNumber, SubtractNumber, MultiplyNumber, DivideNumber, PowerNumber,      // the top, a number
    AddSymbol, SubtractSymbol, MultiplySymbol, DivideSymbol, PowerSymbol,      // the top, a symbol
    // Pushing the result of two operands of their own.
    SymbolAddNumber, SymbolSubtractNumber, SymbolMultiplyNumber, SymbolDivideNumber, SymbolPowerNumber,
    SymbolAddSymbol, SymbolSubtractSymbol, SymbolMultiplySymbol, SymbolDivideSymbol, SymbolPowerSymbol,
    NumberAddSymbol, NumberSubtractSymbol, NumberMultiplySymbol, NumberDivideSymbol, NumberPowerSymbol,
    Exponential, Root, Logarithm, Percent, Negate, // the top value
    TooLarge, // a number beyond the range of a double: an overflow
    Nothing,  // an empty token: text only
};
// clang-format on

struct Instruction {
    Op op;
    std::uint32_t symbol = 0; // the symbol of the operators that take one, the left of two
    std::uint32_t other = 0;  // the right symbol of two
    double number = 0.0;      // the number of the operators that take one
};

class Program {
public:
    std::vector<Instruction> code;
    // Per instruction, the length of the postfix text it stands for, the
    // texts of symbol values aside.
    std::vector<std::uint32_t> text_lengths;
    std::vector<std::string> names;  // the symbols, in order of first use, as first written
    std::vector<std::uint32_t> uses; // how often each symbol stands in the text
    std::size_t depth = 0;           // the most values on the stack at once
    long long fixed_text_length = 0; // the sum of text_lengths
    bool may_pass_limit = false;     // values with the longest texts would pass the limit
};

// Writes a program from the tokens a conversion hands it (expression.h).
class ProgramBuilder {
public:
    explicit ProgramBuilder(Program &program) : m_program(program) {}

    void emit(Token token, double value, int length);
    bool name(std::string_view name); // always true: every name is a symbol
    void finish();                    // after the last token

private:
    enum class Kind : std::uint8_t { Value, Number, Symbol };

    void append(Instruction instruction, int length);
    void push(Instruction instruction, int length, Kind kind); // one more value on the stack
    void infix(Token token, int length);
    void prefix(Token token, int length);

    Program &m_program;
    std::vector<Kind> m_stack;                                // what each value on the stack would be
    std::unordered_map<std::string, std::uint32_t> m_symbols; // by name, A-Z folded to a-z
};

} // namespace vorlenta
