// SPDX-License-Identifier: MIT
#include <vorlenta/eval/compiled_expression.h>

#include <cmath>

#include <vorlenta/eval/evaluator.h>

#include "eval/expression.h"
#include "eval/fault_words.h"
#include "eval/program.h"

namespace vorlenta {

class Expression::Private {
public:
    Program program;
    EvalResult fault; // what every evaluation gives when the text itself is faulty
};

namespace {

EvalResult fault_result(std::int32_t number, std::string message = {}, int position = 0)
{
    EvalResult result;
    result.number = number;
    result.message = message.empty() ? fault_words(number).description : std::move(message);
    result.position = position;
    return result;
}

// The blank text's: "Operand expected" at 1.
const EvalResult &blank_fault()
{
    static const EvalResult fault = fault_result(eval_errors::SyntaxFault, OperandExpectedMessage, BlankTextPosition);
    return fault;
}

} // namespace

Expression::Expression() noexcept = default;
Expression::Expression(std::shared_ptr<const Private> compiled) noexcept : d(std::move(compiled)) {}
Expression::Expression(const Expression &other) noexcept = default;
Expression::Expression(Expression &&other) noexcept = default;
Expression &Expression::operator=(const Expression &other) noexcept = default;
Expression &Expression::operator=(Expression &&other) noexcept = default;
Expression::~Expression() = default;

std::vector<std::string> Expression::symbols() const
{
    return d ? d->program.names : std::vector<std::string>();
}

EvalResult Expression::evaluate(const double *values, std::size_t count) const
{
    if (!d)
        return blank_fault();
    if (!d->fault.ok())
        return d->fault;
    const Program &program = d->program;
    if (count != program.names.size())
        return fault_result(eval_errors::ValueCountMismatch);
    for (std::size_t i = 0; i < count; ++i) {
        if (!std::isfinite(values[i]))
            return fault_result(eval_errors::InvalidSymbolValue);
    }
    return program.run(values);
}

Expression CEval::compile(std::string_view expression) const
{
    auto compiled = std::make_shared<Expression::Private>();
    ProgramBuilder builder(compiled->program);
    try {
        SyntaxOutcome syntax = compile_expression(expression, decimal_separator(), builder);
        if (syntax.position)
            compiled->fault = fault_result(eval_errors::SyntaxFault, std::move(syntax.message), syntax.position);
        else if (syntax.blank)
            compiled->fault = blank_fault();
    } catch (const EvalError &) {
        // Only the limits of the reading's 16-bit counters raise here.
        compiled->fault = fault_result(eval_errors::ExpressionTooLong);
    }
    builder.finish();
    return Expression(std::move(compiled));
}

} // namespace vorlenta
