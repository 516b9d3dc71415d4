// SPDX-License-Identifier: MIT
#include "eval/program.h"

#include <algorithm>
#include <cmath>

#include "eval/arithmetic.h"
#include "eval/number_text.h"

namespace vorlenta {
namespace {

Op shifted(Op first, Token token, Token first_token)
{
    return Op(int(first) + int(token) - int(first_token));
}

// Dividing by a power of two whose reciprocal is a double is multiplying by
// that reciprocal: the same exact quotient, rounded once either way.
bool has_exact_reciprocal(double divisor)
{
    int exponent = 0;
    const double mantissa = std::frexp(divisor, &exponent); // divisor = mantissa * 2^exponent
    return std::fabs(mantissa) == 0.5 && exponent - 1 >= -1022 && exponent - 1 <= 1022;
}

} // namespace

void ProgramBuilder::append(Instruction instruction, int length)
{
    m_program.code.push_back(instruction);
    m_program.text_lengths.push_back(std::uint32_t(length + 1));
}

void ProgramBuilder::push(Instruction instruction, int length, Kind kind)
{
    append(instruction, length);
    m_stack.push_back(kind);
}

void ProgramBuilder::emit(Token token, double value, int length)
{
    switch (token) {
    case Token::Number: return push({Op::Push, 0, 0, value}, length, Kind::Number);
    case Token::TooLarge: return push({Op::TooLarge}, length, Kind::Value);
    case Token::Empty:
    case Token::Open: return append({Op::Nothing}, length);
    default: break;
    }
    // The conversion emits an operator only once its operands are there.
    if (is_infix(token))
        infix(token, length);
    else
        prefix(token, length);
}

void ProgramBuilder::infix(Token token, int length)
{
    std::vector<Instruction> &code = m_program.code;
    std::vector<std::uint32_t> &lengths = m_program.text_lengths;
    const Kind right = m_stack.back();
    m_stack.pop_back();
    const Kind left = m_stack.back();
    m_stack.back() = Kind::Value;
    // An operand that is a number or a symbol was pushed last (the right) or
    // just before (the left): the operator takes their places.
    const auto merge = [&](std::size_t merged) {
        for (; merged > 0; --merged) {
            lengths[lengths.size() - 2] += lengths.back();
            lengths.pop_back();
            code.pop_back();
        }
        lengths.back() += std::uint32_t(length + 1);
    };
    // Two numbers: the result, unless it is a fault, which a run must meet
    // in its place.
    double result = 0.0;
    if (right == Kind::Number && left == Kind::Number
        && apply_infix(token, code[code.size() - 2].number, code.back().number, result) == 0) {
        m_stack.back() = Kind::Number;
        code[code.size() - 2].number = result;
        return merge(1);
    }
    if (right == Kind::Value)
        return append({shifted(Op::Add, token, Token::Add)}, length);
    if (right == Kind::Number && token == Token::Divide && has_exact_reciprocal(code.back().number)) {
        token = Token::Multiply;
        code.back().number = 1.0 / code.back().number;
    }
    const Instruction operand = code.back();
    if (left == Kind::Symbol || (left == Kind::Number && right == Kind::Symbol)) {
        Instruction &first = code[code.size() - 2];
        if (left == Kind::Number)
            first = {shifted(Op::NumberAddSymbol, token, Token::Add), operand.symbol, 0, first.number};
        else if (right == Kind::Number)
            first = {shifted(Op::SymbolAddNumber, token, Token::Add), first.symbol, 0, operand.number};
        else
            first = {shifted(Op::SymbolAddSymbol, token, Token::Add), first.symbol, operand.symbol, 0.0};
        return merge(1);
    }
    code.back().op = shifted(right == Kind::Number ? Op::AddNumber : Op::AddSymbol, token, Token::Add);
    merge(0);
}

void ProgramBuilder::prefix(Token token, int length)
{
    std::vector<Instruction> &code = m_program.code;
    double result = 0.0;
    if (m_stack.back() == Kind::Number && apply_prefix(token, code.back().number, result) == 0) {
        code.back().number = result;
        m_program.text_lengths.back() += std::uint32_t(length + 1);
        return;
    }
    m_stack.back() = Kind::Value;
    append({shifted(Op::Exponential, token, Token::Exponential)}, length);
}

bool ProgramBuilder::name(std::string_view name)
{
    std::string key(name);
    for (char &c : key)
        c = (c >= 'A' && c <= 'Z') ? char(c + ('a' - 'A')) : c;
    const auto [at, first_use] = m_symbols.try_emplace(std::move(key), std::uint32_t(m_program.names.size()));
    if (first_use) {
        m_program.names.emplace_back(name);
        m_program.uses.push_back(0);
    }
    ++m_program.uses[at->second];
    // Its text is its value's, which only a run knows: the blank counts here.
    push({Op::PushSymbol, at->second}, 0, Kind::Symbol);
    return true;
}

void ProgramBuilder::finish()
{
    Program &program = m_program;
    // The depth of the program as written, its operands fused with their operators.
    std::size_t values = 0;
    for (const Instruction &instruction : program.code) {
        const Op op = instruction.op;
        if (op == Op::Push || op == Op::PushSymbol || (op >= Op::SymbolAddNumber && op <= Op::NumberPowerSymbol))
            program.depth = std::max(program.depth, ++values);
        else if (op >= Op::Add && op <= Op::Power)
            --values;
    }
    program.fixed_text_length = 0;
    for (const std::uint32_t length : program.text_lengths)
        program.fixed_text_length += length;
    long long longest = program.fixed_text_length;
    for (const std::uint32_t uses : program.uses)
        longest += (long long)uses * MaxShortestTextLength;
    program.may_pass_limit = longest > PostfixLimit;
}

} // namespace vorlenta
