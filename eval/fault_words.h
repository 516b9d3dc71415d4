// SPDX-License-Identifier: MIT
#pragma once

// The words of each fault number, written once: the description that an
// EvalError and EvalResult::message carry, the notice's sentence for the
// faults an evaluation shows as a notice, and the short form the command line
// prints after the expression. Header only, so that the command line reads
// the same table whether it links the library or carries its objects.
//
// Not here: a syntax fault's message, which the parser words beside the rule
// it breaks, and the empty-stack error, which names the method that met it.

#include <cstdint>

#include <vorlenta/eval/eval_error.h>

namespace vorlenta {

struct FaultWords {
    std::int32_t number;
    const char *description; // "Division by zero"
    const char *notice;      // a whole sentence; nullptr: no evaluation shows this number as a notice
    const char *brief;       // lower case, for the end of a line; nullptr: the command line shows the description
};

inline constexpr FaultWords fault_table[] = {
    {eval_errors::InvalidArgument, "Invalid procedure call or argument",
     "The expression cannot be evaluated: a square root, logarithm or power is taken of a number outside its range.",
     "a value outside the domain of a square root, logarithm or power"},
    {eval_errors::Overflow, "Overflow", "The expression cannot be evaluated: a number or a result is too large.",
     "a number or result too large"},
    {eval_errors::DivisionByZero, "Division by zero", "The expression cannot be evaluated: it divides by zero.",
     "division by zero"},
    {eval_errors::InvalidDecimalSeparator, "Invalid decimal separator", nullptr, nullptr},
    {eval_errors::ExpressionTooLong, "Expression too long to evaluate", nullptr, "expression too long to evaluate"},
    {eval_errors::ValueCountMismatch, "Number of values differs from the number of symbols", nullptr, nullptr},
    {eval_errors::InvalidSymbolValue, "Invalid symbol value", nullptr, nullptr},
    {eval_errors::SymbolNotDefined, "Symbol not defined", nullptr, nullptr},
};

// The words of the number: empty words for a number the table does not hold.
constexpr FaultWords fault_words(std::int32_t number)
{
    for (const FaultWords &words : fault_table) {
        if (words.number == number)
            return words;
    }
    return {number, "", nullptr, nullptr};
}

} // namespace vorlenta
