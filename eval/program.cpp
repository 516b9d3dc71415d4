// SPDX-License-Identifier: MIT
#include "eval/program.h"

#include <algorithm>
#include <memory>

#include "eval/arithmetic.h"
#include "eval/fault_words.h"
#include "eval/number_text.h"

namespace vorlenta {
namespace {

// Stacks up to this deep live on the machine's stack during a run.
constexpr std::size_t LocalDepth = 32;

Op shifted(Op first, Token token, Token first_token)
{
    return Op(int(first) + int(token) - int(first_token));
}

bool takes_symbol(Op op)
{
    return op == Op::PushSymbol || (op >= Op::AddSymbol && op <= Op::PowerSymbol);
}

EvalResult fault_result(std::int32_t number)
{
    EvalResult result;
    result.number = number;
    result.message = fault_words(number).description;
    return result;
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
    m_program.depth = std::max(m_program.depth, m_stack.size());
}

void ProgramBuilder::emit(Token token, double value, int length)
{
    switch (token) {
    case Token::Number: return push({Op::Push, 0, value}, length, Kind::Number);
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
    // Two numbers: the result, unless it is a fault, which a run must meet
    // in its place.
    double result = 0.0;
    if (right == Kind::Number && m_stack.back() == Kind::Number &&
        apply_infix(token, code[code.size() - 2].number, code.back().number, result) == 0) {
        code[code.size() - 2].number = result;
        lengths[lengths.size() - 2] += lengths.back() + std::uint32_t(length + 1);
        code.pop_back();
        lengths.pop_back();
        return;
    }
    m_stack.back() = Kind::Value;
    if (right == Kind::Value)
        return append({shifted(Op::Add, token, Token::Add)}, length);
    // The right operand was pushed last: the operator takes its place.
    code.back().op = shifted(right == Kind::Number ? Op::AddNumber : Op::AddSymbol, token, Token::Add);
    lengths.back() += std::uint32_t(length + 1);
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
    program.fixed_text_length = 0;
    for (const std::uint32_t length : program.text_lengths)
        program.fixed_text_length += length;
    long long longest = program.fixed_text_length;
    for (const std::uint32_t uses : program.uses)
        longest += (long long)uses * MaxShortestTextLength;
    program.may_pass_limit = longest > PostfixLimit;
}

EvalResult Program::run(const double *values) const
{
    if (!may_pass_limit)
        return execute<false>(values, nullptr);
    // The texts of these values: a run counts only when they pass the limit.
    std::vector<int> value_texts(names.size());
    long long text = fixed_text_length;
    for (std::size_t i = 0; i < names.size(); ++i) {
        value_texts[i] = shortest_text_length(values[i]);
        text += (long long)uses[i] * value_texts[i];
    }
    return text > PostfixLimit ? execute<true>(values, value_texts.data()) : execute<false>(values, nullptr);
}

template <bool CountText>
EvalResult Program::execute(const double *values, const int *value_texts) const
{
    double local[LocalDepth];
    std::unique_ptr<double[]> heap;
    double *const stack = depth <= LocalDepth ? local : (heap = std::make_unique<double[]>(depth)).get();
    double *next = stack; // above the top value
    long long text = 0;
    std::int32_t fault = 0;
    // A symbol stands as the text of its value, which reads back as +0 for -0.
    const auto symbol = [values](const Instruction &instruction) { return values[instruction.symbol] + 0.0; };
    const auto infix = [&](Token token, double right) {
        fault = apply_infix(token, next[-1], right, next[-1]);
    };
    for (std::size_t i = 0; i < code.size() && !fault; ++i) {
        const Instruction &instruction = code[i];
        if constexpr (CountText) {
            text += text_lengths[i] + (takes_symbol(instruction.op) ? value_texts[instruction.symbol] : 0);
            if (text > PostfixLimit)
                return fault_result(eval_errors::ExpressionTooLong);
        }
        switch (instruction.op) {
        case Op::Push: *next++ = instruction.number; break;
        case Op::PushSymbol: *next++ = symbol(instruction); break;
        case Op::Add: --next; infix(Token::Add, *next); break;
        case Op::Subtract: --next; infix(Token::Subtract, *next); break;
        case Op::Multiply: --next; infix(Token::Multiply, *next); break;
        case Op::Divide: --next; infix(Token::Divide, *next); break;
        case Op::Power: --next; infix(Token::Power, *next); break;
        case Op::AddNumber: infix(Token::Add, instruction.number); break;
        case Op::SubtractNumber: infix(Token::Subtract, instruction.number); break;
        case Op::MultiplyNumber: infix(Token::Multiply, instruction.number); break;
        case Op::DivideNumber: infix(Token::Divide, instruction.number); break;
        case Op::PowerNumber: infix(Token::Power, instruction.number); break;
        case Op::AddSymbol: infix(Token::Add, symbol(instruction)); break;
        case Op::SubtractSymbol: infix(Token::Subtract, symbol(instruction)); break;
        case Op::MultiplySymbol: infix(Token::Multiply, symbol(instruction)); break;
        case Op::DivideSymbol: infix(Token::Divide, symbol(instruction)); break;
        case Op::PowerSymbol: infix(Token::Power, symbol(instruction)); break;
        case Op::Exponential: fault = apply_prefix(Token::Exponential, next[-1], next[-1]); break;
        case Op::Root: fault = apply_prefix(Token::Root, next[-1], next[-1]); break;
        case Op::Logarithm: fault = apply_prefix(Token::Logarithm, next[-1], next[-1]); break;
        case Op::Percent: fault = apply_prefix(Token::Percent, next[-1], next[-1]); break;
        case Op::Negate: fault = apply_prefix(Token::Negate, next[-1], next[-1]); break;
        case Op::TooLarge: fault = eval_errors::Overflow; break;
        case Op::Nothing: break;
        }
    }
    if (fault)
        return fault_result(fault);
    EvalResult result;
    result.value = next == stack ? 0.0 : next[-1];
    return result;
}

} // namespace vorlenta
