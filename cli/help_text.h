// SPDX-License-Identifier: MIT
#pragma once

namespace vorlenta::cli {

// What `vorlenta-eval --help` prints.
extern const char help_text[];

} // namespace vorlenta::cli
