// SPDX-License-Identifier: MIT
#pragma once

namespace vorlenta::cli {

// What `vorlenta-squad --help` prints.
extern const char squad_help_text[];

} // namespace vorlenta::cli
