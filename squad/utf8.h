// SPDX-License-Identifier: MIT
#pragma once

// Whether the bytes of a cell are UTF-8 text.

#include <cstddef>
#include <string_view>

namespace vorlenta::squad {

// The length of the well-formed UTF-8 sequence at `at` (1 to 4), or 0 when
// none starts there: a stray continuation byte, an overlong form, a
// surrogate, a code point beyond U+10FFFF, a sequence cut short.
std::size_t utf8_length(std::string_view text, std::size_t at);

// Valid UTF-8 with no NUL byte: what a text file holds.
bool is_text(std::string_view bytes);

} // namespace vorlenta::squad
