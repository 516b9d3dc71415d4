// SPDX-License-Identifier: MIT
#include <vorlenta/eval/compiled_expression.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>
#include <utility>

#include <vorlenta/eval/evaluator.h>

#include "eval/arithmetic.h"
#include "eval/expression.h"
#include "eval/fault_words.h"
#include "eval/number_text.h"
#include "eval/program.h"

namespace vorlenta {

class Expression::Private {
public:
    // What an evaluation looks at first, together.
    bool runnable = true;  // the text is not faulty
    bool constant = false; // the program is one number within the limit, worked out when compiled:
    double value = 0.0;    // this one
    std::size_t symbol_count = 0;

    Program program;
    EvalResult fault; // what every evaluation gives when the text itself is faulty

    // Whether it runs with these values: a text without faults, and a
    // finite value for each symbol.
    bool fits(const double *values, std::size_t count) const
    {
        if (count != symbol_count || !runnable)
            return false;
        for (std::size_t i = 0; i < count; ++i) {
            if (!std::isfinite(values[i]))
                return false;
        }
        return true;
    }
    EvalResult refusal(const double *values, std::size_t count) const;
    template <typename As>
    typename As::Type run(const double *values) const;
};

namespace {

// A fault as a value, in the table's words unless given others. Only the
// way to a fault comes here.
[[gnu::noinline, gnu::cold]] EvalResult fault_result(std::int32_t number, const char *message = nullptr,
                                                     int position = 0)
{
    EvalResult result;
    result.number = number;
    result.message = message ? message : fault_words(number).description;
    result.position = position;
    return result;
}

// The blank text's: "Operand expected" at 1.
const EvalResult &blank_fault()
{
    static const EvalResult fault = fault_result(eval_errors::SyntaxFault, OperandExpectedMessage, BlankTextPosition);
    return fault;
}

// How a run hands over its value or its fault: all of it, or the value
// alone with NaN for a fault.
struct AsResult {
    using Type = EvalResult;
    static EvalResult value(double value) { return EvalResult{value, 0, {}, 0}; }
    static EvalResult fault(std::int32_t number) { return fault_result(number); }
};

struct AsValue {
    using Type = double;
    static double value(double value) { return value; }
    static double fault(std::int32_t) { return std::numeric_limits<double>::quiet_NaN(); }
};

bool takes_symbol(Op op)
{
    return op == Op::PushSymbol || (op >= Op::AddSymbol && op <= Op::NumberPowerSymbol);
}

// The machine keeps the top value apart from those below it, which a push
// stores (the first push stores a 0 that nothing reads). Most formulas never
// hold more than two values: one slot below the top is all they need.
class OneBelow {
public:
    explicit OneBelow(double *) {}
    void push(double value) { m_value = value; }
    double pop() { return m_value; }

private:
    double m_value = 0.0;
};

class ManyBelow {
public:
    explicit ManyBelow(double *slots) : m_next(slots) {}
    void push(double value) { *m_next++ = value; }
    double pop() { return *--m_next; }

private:
    double *m_next;
};

// The program's value with the symbols' values in `values` (names.size() of
// them, each finite), or the first fault in postfix order. With CountText,
// value_texts holds the length of each value's text, and the postfix text is
// counted as it goes. `slots` hold the values below the top for ManyBelow.
template <typename As, bool CountText, typename Below>
typename As::Type execute(const Program &program, const double *values, const int *value_texts, double *slots)
{
    Below below(slots);
    const std::vector<Instruction> &code = program.code;
    double top = 0.0;
    long long text = 0;
    std::int32_t fault = 0;
    const Instruction *instruction = nullptr;
    // A symbol stands as the text of its value, which reads back as +0 for -0.
    const auto symbol = [values](std::uint32_t index) { return values[index] + 0.0; };
    // The shapes of the infix operators: each is called with a constant
    // token, so every case is that operation alone.
    const auto on_stack = [&](Token token) { return apply_infix(token, below.pop(), top, top); };
    const auto with_number = [&](Token token) { return apply_infix(token, top, instruction->number, top); };
    const auto with_symbol = [&](Token token) { return apply_infix(token, top, symbol(instruction->symbol), top); };
    const auto pushed = [&](Token token, double left, double right) {
        below.push(top);
        return apply_infix(token, left, right, top);
    };
    const auto symbol_number = [&](Token token) {
        return pushed(token, symbol(instruction->symbol), instruction->number);
    };
    const auto symbol_symbol = [&](Token token) {
        return pushed(token, symbol(instruction->symbol), symbol(instruction->other));
    };
    const auto number_symbol = [&](Token token) {
        return pushed(token, instruction->number, symbol(instruction->symbol));
    };
    const auto prefix = [&](Token token) { return apply_prefix(token, top, top); };
    const Instruction *const first = code.data(), *const last = first + code.size();
    for (instruction = first; instruction != last; ++instruction) {
        if constexpr (CountText) {
            text += program.text_lengths[std::size_t(instruction - first)];
            if (takes_symbol(instruction->op))
                text += value_texts[instruction->symbol];
            if (instruction->op >= Op::SymbolAddSymbol && instruction->op <= Op::SymbolPowerSymbol)
                text += value_texts[instruction->other];
            if (text > PostfixLimit)
                return As::fault(eval_errors::ExpressionTooLong);
        }
        switch (instruction->op) {
        case Op::Push:
            below.push(top);
            top = instruction->number;
            continue;
        case Op::PushSymbol:
            below.push(top);
            top = symbol(instruction->symbol);
            continue;
        case Op::Add: fault = on_stack(Token::Add); break;
        case Op::Subtract: fault = on_stack(Token::Subtract); break;
        case Op::Multiply: fault = on_stack(Token::Multiply); break;
        case Op::Divide: fault = on_stack(Token::Divide); break;
        case Op::Power: fault = on_stack(Token::Power); break;
        case Op::AddNumber: fault = with_number(Token::Add); break;
        case Op::SubtractNumber: fault = with_number(Token::Subtract); break;
        case Op::MultiplyNumber: fault = with_number(Token::Multiply); break;
        case Op::DivideNumber: fault = with_number(Token::Divide); break;
        case Op::PowerNumber: fault = with_number(Token::Power); break;
        case Op::AddSymbol: fault = with_symbol(Token::Add); break;
        case Op::SubtractSymbol: fault = with_symbol(Token::Subtract); break;
        case Op::MultiplySymbol: fault = with_symbol(Token::Multiply); break;
        case Op::DivideSymbol: fault = with_symbol(Token::Divide); break;
        case Op::PowerSymbol: fault = with_symbol(Token::Power); break;
        case Op::SymbolAddNumber: fault = symbol_number(Token::Add); break;
        case Op::SymbolSubtractNumber: fault = symbol_number(Token::Subtract); break;
        case Op::SymbolMultiplyNumber: fault = symbol_number(Token::Multiply); break;
        case Op::SymbolDivideNumber: fault = symbol_number(Token::Divide); break;
        case Op::SymbolPowerNumber: fault = symbol_number(Token::Power); break;
        case Op::SymbolAddSymbol: fault = symbol_symbol(Token::Add); break;
        case Op::SymbolSubtractSymbol: fault = symbol_symbol(Token::Subtract); break;
        case Op::SymbolMultiplySymbol: fault = symbol_symbol(Token::Multiply); break;
        case Op::SymbolDivideSymbol: fault = symbol_symbol(Token::Divide); break;
        case Op::SymbolPowerSymbol: fault = symbol_symbol(Token::Power); break;
        case Op::NumberAddSymbol: fault = number_symbol(Token::Add); break;
        case Op::NumberSubtractSymbol: fault = number_symbol(Token::Subtract); break;
        case Op::NumberMultiplySymbol: fault = number_symbol(Token::Multiply); break;
        case Op::NumberDivideSymbol: fault = number_symbol(Token::Divide); break;
        case Op::NumberPowerSymbol: fault = number_symbol(Token::Power); break;
        case Op::Exponential: fault = prefix(Token::Exponential); break;
        case Op::Root: fault = prefix(Token::Root); break;
        case Op::Logarithm: fault = prefix(Token::Logarithm); break;
        case Op::Percent: fault = prefix(Token::Percent); break;
        case Op::Negate: fault = prefix(Token::Negate); break;
        case Op::TooLarge: fault = eval_errors::Overflow; break;
        case Op::Nothing: continue;
#ifdef __GNUC__
        default: __builtin_unreachable(); // every Op has its case: no range check before the jump
#endif
        }
        if (fault)
            return As::fault(fault);
    }
    return As::value(top);
}

// Deeper programs keep the values below the top in an array, on the
// machine's stack up to this depth.
constexpr std::size_t LocalDepth = 32;

template <typename As, bool CountText>
[[gnu::noinline]] typename As::Type run_deep(const Program &program, const double *values, const int *value_texts)
{
    double local[LocalDepth];
    std::unique_ptr<double[]> heap;
    double *const slots =
        program.depth <= LocalDepth ? local : (heap = std::make_unique<double[]>(program.depth)).get();
    return execute<As, CountText, ManyBelow>(program, values, value_texts, slots);
}

template <typename As, bool CountText>
typename As::Type run(const Program &program, const double *values, const int *value_texts)
{
    return program.depth <= 2 ? execute<As, CountText, OneBelow>(program, values, value_texts, nullptr)
                              : run_deep<As, CountText>(program, values, value_texts);
}

// Counts the text only when these values' texts pass the limit.
template <typename As>
[[gnu::noinline]] typename As::Type run_counting(const Program &program, const double *values)
{
    std::vector<int> value_texts(program.names.size());
    long long text = program.fixed_text_length;
    for (std::size_t i = 0; i < value_texts.size(); ++i) {
        value_texts[i] = shortest_text_length(values[i]);
        text += (long long)program.uses[i] * value_texts[i];
    }
    return text > PostfixLimit ? run<As, true>(program, values, value_texts.data())
                               : run<As, false>(program, values, nullptr);
}

} // namespace

template <typename As>
typename As::Type Expression::Private::run(const double *values) const
{
    if (constant)
        return As::value(value);
    return program.may_pass_limit ? run_counting<As>(program, values)
                                  : vorlenta::run<As, false>(program, values, nullptr);
}

// Why it does not run with these values, kept apart so that the common way
// stays short.
[[gnu::noinline, gnu::cold]] EvalResult Expression::Private::refusal(const double *values, std::size_t count) const
{
    // As reading the text refuses such a value where it reads the symbol:
    // before anything after it, a syntax fault included.
    if (count == symbol_count && !std::all_of(values, values + count, [](double v) { return std::isfinite(v); }))
        return fault_result(eval_errors::InvalidSymbolValue);
    return fault.ok() ? fault_result(eval_errors::ValueCountMismatch) : fault;
}

Expression::Expression() noexcept = default;
Expression::Expression(std::shared_ptr<const Private> compiled) noexcept
    : d(std::move(compiled)), m_constant(d->constant), m_value(d->value)
{
}
Expression::Expression(const Expression &other) noexcept = default;
// A moved-from expression is the blank text's, as a new one is.
Expression::Expression(Expression &&other) noexcept
    : d(std::move(other.d)), m_constant(std::exchange(other.m_constant, false)), m_value(other.m_value)
{
}
Expression &Expression::operator=(const Expression &other) noexcept = default;
Expression &Expression::operator=(Expression &&other) noexcept
{
    d = std::move(other.d);
    m_constant = std::exchange(other.m_constant, false);
    m_value = other.m_value;
    return *this;
}
Expression::~Expression() = default;

std::vector<std::string> Expression::symbols() const
{
    return d ? d->program.names : std::vector<std::string>();
}

EvalResult Expression::evaluated(const double *values, std::size_t count) const
{
    const Private *compiled = d.get();
    if (!compiled)
        return blank_fault();
    if (!compiled->fits(values, count))
        return compiled->refusal(values, count);
    return compiled->run<AsResult>(values);
}

double Expression::valued(const double *values, std::size_t count) const
{
    const Private *compiled = d.get();
    if (!compiled || !compiled->fits(values, count))
        return AsValue::fault(eval_errors::InvalidSymbolValue);
    return compiled->run<AsValue>(values);
}

Expression CEval::compile(std::string_view expression) const
{
    auto compiled = std::make_shared<Expression::Private>();
    ProgramBuilder builder(compiled->program);
    try {
        SyntaxOutcome syntax = compile_expression(expression, decimal_separator(), builder);
        if (syntax.position)
            compiled->fault = fault_result(eval_errors::SyntaxFault, syntax.message.c_str(), syntax.position);
        else if (syntax.blank)
            compiled->fault = blank_fault();
    } catch (const EvalError &) {
        // Only the limits of the reading's 16-bit counters raise here.
        compiled->fault = fault_result(eval_errors::ExpressionTooLong);
    }
    builder.finish();
    const std::vector<Instruction> &code = compiled->program.code;
    compiled->runnable = compiled->fault.ok();
    compiled->symbol_count = compiled->program.names.size();
    compiled->constant =
        compiled->runnable && code.size() == 1 && code.front().op == Op::Push && !compiled->program.may_pass_limit;
    compiled->value = compiled->constant ? code.front().number : 0.0;
    return Expression(std::move(compiled));
}

} // namespace vorlenta
