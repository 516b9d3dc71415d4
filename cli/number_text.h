// SPDX-License-Identifier: MIT
#pragma once

// Numbers as the command line reads them, in the notation whose decimal
// separator is '.' or ','; it writes them with text::number_text.

#include <optional>
#include <string>
#include <string_view>

namespace vorlenta::cli {

// A finite number of the number grammar (text/number_grammar.h) with the
// notation's separator ("-9,81", "2.5e3"); nothing when the text is no such
// number or lies beyond the range of a double.
std::optional<double> read_number(std::string_view text, char decimal_separator);

} // namespace vorlenta::cli
