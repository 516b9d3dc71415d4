// SPDX-License-Identifier: MIT
#pragma once

// How the squad reads a cell: without the blanks around it, its numbers in
// the notation whose decimal separator is the file's.

#include <string>
#include <string_view>

#include "fields/notation.h"

namespace vorlenta::squad {

inline std::string_view trimmed(std::string_view cell)
{
    const std::size_t first = cell.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return cell.substr(first, cell.find_last_not_of(" \t") - first + 1);
}

// The file's notation: its decimal separator, and the signs and exponent
// that every spreadsheet writes.
inline Notation notation_with(char decimal_point)
{
    Notation notation;
    notation.decimal_point = std::string(1, decimal_point);
    return notation;
}

} // namespace vorlenta::squad
