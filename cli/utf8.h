// SPDX-License-Identifier: MIT
#pragma once

// UTF-8 as the command line meets it in one line of bytes. Every line is
// checked on its own: a sequence cut short by the end of the line is invalid
// there, never completed by the next line.

#include <cstddef>
#include <string_view>

namespace vorlenta::cli {

// The length of the well-formed UTF-8 sequence that starts at `offset`
// (1 to 4), or 0 when none does: a stray continuation byte, an overlong form,
// a surrogate, a code point beyond U+10FFFF, or a sequence cut short.
std::size_t utf8_sequence_length(std::string_view text, std::size_t offset);

// The offset of the first byte that starts no well-formed sequence; npos when
// the whole text is valid UTF-8.
std::size_t first_invalid_utf8(std::string_view text);

// The characters in text[0, offset): each well-formed sequence counts once,
// each other byte once too.
int characters_before(std::string_view text, std::size_t offset);

// The code point of a well-formed sequence of `length` bytes at `offset`.
char32_t utf8_code_point(std::string_view text, std::size_t offset, std::size_t length);

} // namespace vorlenta::cli
