// SPDX-License-Identifier: MIT
#pragma once

// The two weights of the window's font.

#include <QFont>

namespace vorlenta {

// Frame captions, tabs, exchange buttons and the link lines.
inline QFont bold(QFont font)
{
    font.setBold(true);
    return font;
}

// Set explicitly, so that the bold caption font of a frame does not pass on
// to the labels and fields inside it.
inline QFont regular(QFont font)
{
    font.setWeight(QFont::Normal);
    return font;
}

} // namespace vorlenta
