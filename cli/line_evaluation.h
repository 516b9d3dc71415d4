// SPDX-License-Identifier: MIT
#pragma once

// One expression of the command line, from its bytes to its value or its
// fault: what the program does for every argument and every input line.

#include <optional>
#include <string>
#include <string_view>

#include <vorlenta/eval.h>

namespace vorlenta::cli {

enum class Outcome {
    Value,           // `value`, and `text` its text in the notation
    SyntaxFault,     // `text` is the message, `position` its 1-based place
    ArithmeticFault, // `text` says what went wrong; `position` is 0
};

struct LineResult {
    Outcome outcome;
    std::string text;
    int position = 0;
    std::string hint = {}; // after the position: "; use --point for '.'"
    double value = 0.0;
};

// Expressions of this many characters or more cannot be evaluated.
constexpr int too_many_characters = 32767;

class LineEvaluator {
public:
    // The notation is the user's locale's unless `point` asks for '.'.
    explicit LineEvaluator(bool point);

    CEval &evaluator() { return m_eval; }
    char decimal_separator() const { return m_eval.decimal_separator(); }

    // The bytes of one expression: a NUL byte or invalid UTF-8 is a syntax
    // fault at the first offending character, never silently replaced or
    // skipped; an expression too long to evaluate is that, whatever it holds.
    LineResult evaluate(std::string_view bytes);

    // The fault of a line that was too long to be kept whole.
    static LineResult too_long();

    // The fault of bytes that no expression can be, whatever they hold: too
    // long, invalid UTF-8 or a NUL byte; nothing for others.
    static std::optional<LineResult> unreadable(std::string_view bytes);

private:
    LineResult syntax_fault(std::string_view bytes, EvalResult &&result) const;

    CEval m_eval;
};

} // namespace vorlenta::cli
