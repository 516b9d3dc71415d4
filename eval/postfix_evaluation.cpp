// SPDX-License-Identifier: MIT
#include "eval/postfix_evaluation.h"

#include <vector>

#include "eval/checked_arithmetic.h"
#include "eval/runtime_error.h"

namespace vorlenta {
namespace {

const QString &evaluation_source()
{
    static const QString source = QStringLiteral("CEval");
    return source;
}

// The value stack. Taking a value off an empty stack gives 0: an operator
// short of values is not reported. It never passes the 32,760 values of a
// CStack: every number takes two of the 32,767 positions.
class Values {
public:
    explicit Values(std::size_t tokens) { m_values.reserve(tokens); }
    void push(double value) { m_values.push_back(value); }
    double pop()
    {
        if (m_values.empty())
            return 0.0;
        const double value = m_values.back();
        m_values.pop_back();
        return value;
    }
    bool empty() const noexcept { return m_values.empty(); }

private:
    std::vector<double> m_values;
};

double binary(Token token, double left, double right)
{
    switch (token) {
    case Token::Add: return arithmetic::add(left, right);
    case Token::Subtract: return arithmetic::subtract(left, right);
    case Token::Multiply: return arithmetic::multiply(left, right);
    case Token::Divide: return arithmetic::divide(left, right);
    default: return arithmetic::power(left, right);
    }
}

double unary(Token token, double value)
{
    switch (token) {
    case Token::Exponential: return arithmetic::exponential(value);
    case Token::Root: return arithmetic::square_root(value);
    case Token::Logarithm: return arithmetic::logarithm(value);
    case Token::Percent: return arithmetic::percent(value);
    default: return arithmetic::negate(value);
    }
}

double evaluate(const Postfix &postfix)
{
    const std::vector<PostfixToken> &tokens = postfix.tokens();
    Values values(tokens.size());
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        if (i == postfix.first_beyond_limit())
            throw runtime_error(eval_errors::Overflow, evaluation_source());
        const PostfixToken &token = tokens[i];
        switch (token.token) {
        case Token::Number:
            values.push(token.value);
            break;
        case Token::TooLarge:
            throw runtime_error(eval_errors::Overflow, evaluation_source());
        case Token::Empty:
        case Token::Open:
            break;
        case Token::Add:
        case Token::Subtract:
        case Token::Multiply:
        case Token::Divide:
        case Token::Power: {
            const double right = values.pop();
            const double left = values.pop();
            values.push(binary(token.token, left, right));
            break;
        }
        default:
            values.push(unary(token.token, values.pop()));
        }
    }
    return values.empty() ? 0.0 : values.pop();
}

} // namespace

PostfixOutcome evaluate_postfix(const Postfix &postfix)
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
