// SPDX-License-Identifier: MIT
#pragma once

// One formula of the coach's, compiled once and evaluated for many rows: the
// names it uses, in order of first use, and its value for given values of
// those names. The evaluator's faults come back as values: a syntax fault of
// the formula from every evaluation, with its position.

#include <string>
#include <string_view>
#include <vector>

#include <vorlenta/eval.h>

namespace vorlenta::squad {

class Formula {
public:
    // Numbers in the formula are written with this decimal separator, '.' or ','.
    Formula(std::string_view expression, char decimal_separator);

    const std::vector<std::string> &symbols() const { return m_symbols; }

    // `values` holds one value for each of symbols(), in that order.
    EvalResult evaluate(const double *values, std::size_t count) const { return m_expression.evaluate(values, count); }

private:
    Expression m_expression;
    std::vector<std::string> m_symbols;
};

} // namespace vorlenta::squad
