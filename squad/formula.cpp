// SPDX-License-Identifier: MIT
#include "squad/formula.h"

namespace vorlenta::squad {
namespace {

// The name in "Undefined symbol : 'name'", the fault of a name the
// evaluator does not know; empty for any other result.
std::string_view undefined_name(const EvalResult &result)
{
    constexpr std::string_view head = "Undefined symbol : '";
    const std::string_view message = result.message;
    if (result.number != eval_errors::SyntaxFault || !message.starts_with(head) || !message.ends_with('\''))
        return {};
    return message.substr(head.size(), message.size() - head.size() - 1);
}

} // namespace

Formula::Formula(std::string_view expression, char decimal_separator) : m_expression(expression)
{
    m_eval.set_decimal_separator(decimal_separator);
    // The evaluator names the first name it does not know; defining each in
    // turn lists them all, in the order they first appear.
    for (;;) {
        const EvalResult probe = m_eval.evaluate(m_expression);
        const std::string_view name = undefined_name(probe);
        if (name.empty() || !m_eval.define(name, 1))
            break;
        m_symbols.emplace_back(name);
    }
}

EvalResult Formula::evaluate(const double *values, std::size_t count) const
{
    for (std::size_t i = 0; i < count && i < m_symbols.size(); ++i)
        m_eval.define(m_symbols[i], values[i]);
    return m_eval.evaluate(m_expression);
}

} // namespace vorlenta::squad
