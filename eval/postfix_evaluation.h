#pragma once

// The evaluation of a postfix text with a value stack.

#include <optional>

#include <QString>

#include "eval/eval_error.h"

namespace vorlenta {

struct PostfixOutcome {
    double result = 0.0;
    // The error that stopped the evaluation; the result is then 0.
    std::optional<EvalError> error;
};

// Evaluates blank-terminated tokens in order: a number in the user's locale is
// pushed as a double; "+", "-", "*", "/", "^" take right, then left; "S", "E",
// "L", "%" and "(-)" take one value; any other token, the empty one included,
// is ignored, and so is text after the last blank. A missing value counts as
// 0. The result is the value on top of the stack at the end, 0 when the stack
// is empty. Errors are trapped, never raised: an arithmetic fault, a number
// beyond the range of a double, or a blank beyond position 32,767 (overflow).
PostfixOutcome evaluate_postfix(const QString &postfix);

} // namespace vorlenta
