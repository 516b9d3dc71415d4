// SPDX-License-Identifier: MIT
#include "squad/problem.h"

#include "text/utf8.h"

namespace vorlenta::squad {

std::string describe(std::string_view file, const Problem &problem)
{
    std::string text(file);
    if (problem.line > 0)
        text += ":" + std::to_string(problem.line);
    text += ": ";
    const std::size_t first = problem.column.find_first_not_of(" \t");
    if (first != std::string::npos) {
        const std::string column =
            quoted(problem.column.substr(first, problem.column.find_last_not_of(" \t") - first + 1));
        text += column.substr(1, column.size() - 2) + ": ";
    }
    return text + problem.message;
}

std::string quoted(std::string_view cell)
{
    constexpr int most = 40;
    std::string text = "'";
    int shown = 0;
    for (std::size_t at = 0; at < cell.size() && shown < most; ++shown) {
        const std::size_t length = text::decode_utf8(cell, at).length;
        if (length == 0 || static_cast<unsigned char>(cell[at]) < 0x20 || cell[at] == 0x7F)
            text += '?';
        else
            text.append(cell, at, length);
        at += length == 0 ? 1 : length;
        if (shown + 1 == most && at < cell.size())
            text += "...";
    }
    return text + "'";
}

} // namespace vorlenta::squad
