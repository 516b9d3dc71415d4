// SPDX-License-Identifier: MIT
#include "squad/problem.h"

#include "squad/utf8.h"

namespace vorlenta::squad {

std::string quoted(std::string_view cell)
{
    constexpr int most = 40;
    std::string text = "'";
    int shown = 0;
    for (std::size_t at = 0; at < cell.size() && shown < most; ++shown) {
        const std::size_t length = utf8_length(cell, at);
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
