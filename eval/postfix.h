// SPDX-License-Identifier: MIT
#pragma once

// The postfix form of an expression as the conversion hands it to the
// evaluation: its tokens in evaluation order, numbers already read, and the
// length of the postfix text they stand for. That text writes every token
// followed by one blank ("1 2 3 * + "): a number as the expression writes it,
// a symbol as the text form of its value, negation as "(-)". Its positions
// are 16-bit, so a token whose blank lies beyond position 32,767 is an
// overflow, which the evaluation reports when it reaches that token.

#include <cstddef>
#include <cstdint>
#include <vector>

#include <QtGlobal>

namespace vorlenta {

enum class Token : std::uint8_t {
    Number,   // a value to push
    TooLarge, // a number beyond the range of a double: an overflow when reached
    Empty,    // the empty value of a symbol: ignored
    Add, Subtract, Multiply, Divide, Power,        // infix: right, then left
    Exponential, Root, Logarithm, Percent, Negate, // prefix: one value
    Open,                                          // "(": only on the operator stack
};

struct PostfixToken {
    Token token;
    double value = 0.0; // for Number
};

// The postfix text stops at this position.
inline constexpr qsizetype PostfixLimit = 32767;

class Postfix {
public:
    explicit Postfix(qsizetype expected_tokens) { m_tokens.reserve(std::size_t(expected_tokens)); }

    // Appends a token whose text has the given length.
    void append(PostfixToken token, qsizetype text_length)
    {
        m_text_length += text_length + 1;
        if (m_text_length > PostfixLimit && m_first_beyond_limit > m_tokens.size())
            m_first_beyond_limit = m_tokens.size();
        m_tokens.push_back(token);
    }

    const std::vector<PostfixToken> &tokens() const noexcept { return m_tokens; }
    // The index of the first token whose blank lies beyond the limit; beyond
    // the last token when none does.
    std::size_t first_beyond_limit() const noexcept { return m_first_beyond_limit; }

private:
    std::vector<PostfixToken> m_tokens;
    qsizetype m_text_length = 0;
    std::size_t m_first_beyond_limit = std::size_t(-1);
};

} // namespace vorlenta
