// SPDX-License-Identifier: MIT
#include "squad/formula.h"

namespace vorlenta::squad {
namespace {

Expression compiled(std::string_view expression, char decimal_separator)
{
    CEval eval;
    eval.set_decimal_separator(decimal_separator);
    return eval.compile(expression);
}

} // namespace

Formula::Formula(std::string_view expression, char decimal_separator)
    : m_expression(compiled(expression, decimal_separator)), m_symbols(m_expression.symbols())
{
}

} // namespace vorlenta::squad
