// SPDX-License-Identifier: MIT
#pragma once

namespace vorlenta::cli {

// What `vorlenta-eval --help` prints.
extern const char help_text[];

// What `help` prints at the prompt.
extern const char session_help_text[];

} // namespace vorlenta::cli
