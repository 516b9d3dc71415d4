// SPDX-License-Identifier: MIT
#pragma once

// EvalResult: what an evaluation with faults as values gives
// (CEval::evaluate, Expression::evaluate).

#include <cstdint>
#include <string>

namespace vorlenta {

// The value, or the fault. A plain value type.
struct EvalResult {
    double value = 0.0;      // the value; 0 after a fault
    std::int32_t number = 0; // 0, or the fault: eval_errors::SyntaxFault, DivisionByZero,
                             // InvalidArgument, Overflow (a number or result beyond a double),
                             // ExpressionTooLong, InvalidSymbolValue, ValueCountMismatch
    std::string message;     // the fault in English words; empty when number is 0
    int position = 0;        // 1-based character position of a syntax fault; 0 otherwise
    bool ok() const noexcept { return number == 0; }
};

} // namespace vorlenta
