// SPDX-License-Identifier: MIT
#pragma once

// The evaluation of the postfix form with a value stack.

#include <optional>

#include <vorlenta/eval/eval_error.h>

#include "eval/postfix.h"

namespace vorlenta {

struct PostfixOutcome {
    double result = 0.0;
    // The error that stopped the evaluation; the result is then 0.
    std::optional<EvalError> error;
};

// Evaluates the tokens in order: a number is pushed; the infix operators take
// right, then left; the prefix ones take one value; an empty token is
// ignored. A missing value counts as 0. The result is the value on top of the
// stack at the end, 0 when the stack is empty. Errors are trapped, never
// raised: an arithmetic fault, a number beyond the range of a double, or a
// token beyond the postfix text's 32,767 positions (overflow).
PostfixOutcome evaluate_postfix(const Postfix &postfix);

} // namespace vorlenta
