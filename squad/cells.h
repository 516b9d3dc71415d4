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
    // Most cells have no blanks: two looks tell, where find_first_not_of
    // would search the set of blanks for each character.
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!cell.empty() && blank(cell.front()))
        cell.remove_prefix(1);
    while (!cell.empty() && blank(cell.back()))
        cell.remove_suffix(1);
    return cell;
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
