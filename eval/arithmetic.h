// SPDX-License-Identifier: MIT
#pragma once

// The arithmetic of the operators, with their faults, for every way an
// expression is evaluated: parsed afresh or compiled, the same IEEE double
// operations in the same order, so both give the same bits.
//
// Operands are always finite, so a result that is not is an overflow.

#include <cmath>
#include <cstdint>

#include <vorlenta/eval/eval_error.h>

#include "eval/operand.h"

namespace vorlenta {

// left `token` right into `result`; 0, or the fault's number.
inline std::int32_t apply_infix(Token token, double left, double right, double &result)
{
    switch (token) {
    case Token::Add: result = left + right; break;
    case Token::Subtract: result = left - right; break;
    case Token::Multiply: result = left * right; break;
    case Token::Divide:
        if (right == 0.0)
            return eval_errors::DivisionByZero;
        result = left / right;
        break;
    default: // Token::Power
        if (left == 0.0 && right < 0.0)
            return eval_errors::DivisionByZero;
        if (left < 0.0 && right != std::trunc(right))
            return eval_errors::InvalidArgument;
        result = std::pow(left, right);
    }
    return std::isfinite(result) ? 0 : eval_errors::Overflow;
}

// `token` operand into `result`; 0, or the fault's number.
inline std::int32_t apply_prefix(Token token, double operand, double &result)
{
    switch (token) {
    case Token::Exponential: result = std::exp(operand); break;
    case Token::Root:
        if (operand < 0.0)
            return eval_errors::InvalidArgument;
        result = std::sqrt(operand);
        break;
    case Token::Logarithm:
        if (operand <= 0.0)
            return eval_errors::InvalidArgument;
        result = std::log(operand);
        break;
    case Token::Percent: result = operand * 0.01; break;
    default: result = -operand; // Token::Negate
    }
    return std::isfinite(result) ? 0 : eval_errors::Overflow;
}

inline bool is_infix(Token token)
{
    return token >= Token::Add && token <= Token::Power;
}

} // namespace vorlenta
