// SPDX-License-Identifier: MIT
#pragma once

// A hint after the report of a syntax fault where people who know other
// calculators stumble: a number with an exponent (1e3), "**" for the power,
// "%" for a remainder (7%3) or after its operand (50%).

#include <string>
#include <string_view>

#include "cli/line_evaluation.h"

namespace vorlenta::cli {

// The hint for `fault`, a syntax fault in `line`, in the notation whose
// decimal separator is given; "" when none fits.
std::string fault_hint(std::string_view line, const LineResult &fault, char decimal_separator);

} // namespace vorlenta::cli
