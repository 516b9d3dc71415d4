// SPDX-License-Identifier: MIT
#include "cli/number_text.h"

#include <cmath>

#include "text/number_grammar.h"

namespace vorlenta::cli {

std::optional<double> read_number(std::string_view text, char decimal_separator)
{
    const std::optional<double> value = text::read_double(text, decimal_separator);
    if (!value || !std::isfinite(*value))
        return std::nullopt;
    return value;
}

} // namespace vorlenta::cli
