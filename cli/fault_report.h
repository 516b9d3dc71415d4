// SPDX-License-Identifier: MIT
#pragma once

// The text written to standard error for an expression that faulted: a
// syntax fault as a compiler shows one, the expression with a caret under
// the fault; an arithmetic fault on one line.

#include <string>
#include <string_view>

#include "cli/line_evaluation.h"

namespace vorlenta::cli {

// `where` is "" for an argument, "line 3: " for standard input; `expression`
// holds the bytes as given. The text is valid UTF-8 and ends in a newline.
std::string fault_report(std::string_view where, std::string_view expression, const LineResult &result);

} // namespace vorlenta::cli
