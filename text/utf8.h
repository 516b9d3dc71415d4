// SPDX-License-Identifier: MIT
#pragma once

// UTF-8 as the Unicode standard defines its well-formed sequences. A text is
// looked at on its own: a sequence cut short by the end of the text is
// invalid there, whatever bytes follow it in memory.

#include <cstddef>
#include <string>
#include <string_view>

namespace vorlenta::text {

// One character of a UTF-8 text.
struct Utf8Char {
    char32_t code_point; // meaningful only when length > 0
    std::size_t length;  // 1 to 4 bytes; 0 where no well-formed sequence starts
};

// The character at `offset` (< text.size()). Length 0 for a stray
// continuation byte, an overlong form, a surrogate, a code point beyond
// U+10FFFF, a byte that never starts a sequence, or a sequence cut short.
Utf8Char decode_utf8(std::string_view text, std::size_t offset);

// Appends the code point (at most U+10FFFF, no surrogate) in UTF-8.
void append_utf8(std::string &text, char32_t code_point);

// The offset of the first byte that starts no well-formed sequence; npos when
// the whole text is valid UTF-8.
std::size_t first_invalid_utf8(std::string_view text);

// The characters in text[0, offset): each well-formed sequence counts once,
// each other byte once too.
int characters_before(std::string_view text, std::size_t offset);

} // namespace vorlenta::text
