// SPDX-License-Identifier: MIT
#pragma once

// A problem found in a squad's file: where it is and what is wrong, one line
// of English. A face shows it as "FILE:LINE: column: message".

#include <string>
#include <string_view>

namespace vorlenta::squad {

struct Problem {
    long line = 0;      // 1-based line of the file where the row starts; 0: the file as a whole
    std::string column; // the column's name as the file writes it; empty: the row or the file
    std::string message;

    bool operator==(const Problem &) const = default;
};

// "FILE:LINE: column: message", as compilers name a place; without the line
// or the column where the problem has none.
std::string describe(std::string_view file, const Problem &problem);

// A cell as a message quotes it: on one line, at most 40 characters, with
// control characters and bytes that are no UTF-8 shown as '?'.
std::string quoted(std::string_view cell);

} // namespace vorlenta::squad
