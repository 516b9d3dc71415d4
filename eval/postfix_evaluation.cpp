#include "postfix_evaluation.h"

#include <limits>

#include "eval/token_number.h"
#include "eval/value_stack.h"
#include "eval/checked_arithmetic.h"

namespace vorlenta {
namespace {

using Binary = double (*)(double, double);
using Unary = double (*)(double);

Binary binary_operator(QStringView token)
{
    if (token.size() != 1)
        return nullptr;
    switch (token.front().unicode()) {
    case u'+': return arithmetic::add;
    case u'-': return arithmetic::subtract;
    case u'*': return arithmetic::multiply;
    case u'/': return arithmetic::divide;
    case u'^': return arithmetic::power;
    default: return nullptr;
    }
}

Unary unary_operator(QStringView token)
{
    if (token.size() == 1) {
        switch (token.front().unicode()) {
        case u'S': return arithmetic::square_root;
        case u'E': return arithmetic::exponential;
        case u'L': return arithmetic::logarithm;
        case u'%': return arithmetic::percent;
        default: return nullptr;
        }
    }
    return token == u"(-)" ? arithmetic::negate : nullptr;
}

// Pop leaves an empty-stack error pending and returns the empty value, which
// counts as 0: an operator short of values is not reported.
double pop_operand(CStack &values)
{
    return to_arithmetic(values.Pop());
}

double evaluate(const QString &postfix)
{
    const TokenNumberReader numbers;
    CStack values;
    qsizetype start = 0;
    for (;;) {
        const qsizetype blank = postfix.indexOf(u' ', start);
        if (blank < 0)
            break;
        // Token positions are 16-bit.
        if (blank + 1 > std::numeric_limits<std::int16_t>::max())
            throw EvalError::runtime(eval_errors::Overflow, QStringLiteral("CEval"));
        const QStringView token = QStringView(postfix).mid(start, blank - start);
        start = blank + 1;

        // No operator token reads as a number, so trying them first decides
        // exactly as the numeric test first would, and cheaper.
        if (const Binary op = binary_operator(token)) {
            const double right = pop_operand(values);
            const double left = pop_operand(values);
            values.Push(op(left, right));
        } else if (const Unary op = unary_operator(token)) {
            values.Push(op(pop_operand(values)));
        } else if (const auto number = numbers.read(token)) {
            values.Push(*number);
        }
    }
    if (values.StackSize() < 1)
        return 0.0;
    return pop_operand(values);
}

} // namespace

PostfixOutcome evaluate_postfix(const QString &postfix)
{
    PostfixOutcome outcome;
    try {
        outcome.result = evaluate(postfix);
    } catch (const EvalError &error) {
        outcome.error = error;
        outcome.result = 0.0;
    }
    return outcome;
}

} // namespace vorlenta
