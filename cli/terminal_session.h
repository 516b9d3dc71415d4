// SPDX-License-Identifier: MIT
#pragma once

// A person typing expressions at a terminal: a prompt, line editing and a
// history kept between sessions (libedit, when it can be loaded), Ctrl-C to
// drop the line being typed, and the commands quit, exit and help.

#include "cli/run.h"

namespace vorlenta::cli {

// Reads until quit, exit, Ctrl-D, SIGTERM or SIGHUP; the history is kept
// on each of these ways out, and a signal then ends the process. False when
// the output is gone.
bool read_terminal(Run &run);

} // namespace vorlenta::cli
