// SPDX-License-Identifier: MIT
#pragma once

// Where File > Help finds its page.

#include <QString>

namespace vorlenta {

// The help page named by the path's file (vorlenta_de.htm for the German
// window) as installed with the program: in share/doc/vorlenta beside the
// program's bin folder, in any prefix and in the build tree alike; the English
// page when the window's language has none installed. Only when no page is
// installed, the web address followed by the path.
QString help_address(const QString &web_address, const QString &path);

} // namespace vorlenta
