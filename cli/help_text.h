// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace vorlenta::cli {

// What `vorlenta-eval --help` prints.
QString help_text();

} // namespace vorlenta::cli
