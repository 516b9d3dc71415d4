// SPDX-License-Identifier: MIT
#include "cli/line_evaluation.h"

#include "eval/fault_words.h"
#include "text/number_text.h"
#include "text/utf8.h"

namespace vorlenta::cli {

namespace {

std::string arithmetic_words(const EvalResult &result)
{
    const char *brief = fault_words(result.number).brief;
    if (!brief)
        return result.message;
    if (result.number == eval_errors::ExpressionTooLong)
        return std::string(brief) + " (see the limits in vorlenta-eval --help)";
    return brief;
}

// The character at a 1-based position, when it is a single byte.
char byte_at_position(std::string_view bytes, int position)
{
    int characters = 1;
    for (std::size_t offset = 0; offset < bytes.size(); ++characters) {
        const std::size_t length = text::decode_utf8(bytes, offset).length;
        if (characters == position)
            return length == 1 ? bytes[offset] : '\0';
        offset += length == 0 ? 1 : length;
    }
    return '\0';
}

} // namespace

LineEvaluator::LineEvaluator(bool point)
{
    if (point)
        m_eval.set_decimal_separator('.');
}

LineResult LineEvaluator::too_long()
{
    return {Outcome::ArithmeticFault,
            std::string(fault_words(eval_errors::ExpressionTooLong).brief) + " (32,766 characters at most)"};
}

std::optional<LineResult> LineEvaluator::unreadable(std::string_view bytes)
{
    // A character takes at least one byte: a shorter text cannot be too long.
    using text::characters_before;
    if (bytes.size() >= std::size_t(too_many_characters)
        && characters_before(bytes, bytes.size()) >= too_many_characters)
        return too_long();
    const std::size_t nul = bytes.find('\0');
    const std::size_t invalid = text::first_invalid_utf8(bytes.substr(0, nul));
    if (invalid != std::string_view::npos)
        return LineResult{Outcome::SyntaxFault, "Invalid UTF-8", characters_before(bytes, invalid) + 1};
    if (nul != std::string_view::npos)
        return LineResult{Outcome::SyntaxFault, "NUL byte in the line", characters_before(bytes, nul) + 1};
    return std::nullopt;
}

LineResult LineEvaluator::evaluate(std::string_view bytes)
{
    if (std::optional<LineResult> fault = unreadable(bytes))
        return std::move(*fault);

    EvalResult result = m_eval.evaluate(bytes);
    if (result.ok())
        return {Outcome::Value, text::number_text(result.value, decimal_separator()), 0, {}, result.value};
    if (result.number == eval_errors::SyntaxFault)
        return syntax_fault(bytes, std::move(result));
    return {Outcome::ArithmeticFault, arithmetic_words(result)};
}

LineResult LineEvaluator::syntax_fault(std::string_view bytes, EvalResult &&result) const
{
    LineResult fault{Outcome::SyntaxFault, std::move(result.message), result.position};
    // A number written in the other notation stops at its separator.
    const char separator = decimal_separator();
    const char found = byte_at_position(bytes, result.position);
    if (found == '.' && separator == ',')
        fault.hint = "; use --point for '.'";
    else if (found == ',' && separator == '.')
        fault.hint = "; the decimal separator here is '.'";
    return fault;
}

} // namespace vorlenta::cli
