// SPDX-License-Identifier: MIT
#pragma once

// Where expressions come from besides the arguments: standard input and
// files, one expression a line; blank lines are skipped.

#include <string>

#include "cli/run.h"

namespace vorlenta::cli {

// Standard input: a person at a terminal (terminal_session.h), or the lines
// of a pipe or file, whose faults are reported by line number. False when
// the run cannot go on: the output or the input failed.
bool read_standard_input(Run &run);

// The file `name` ("-" is standard input); its faults are reported as
// "name:line: ". False when the run cannot go on.
bool read_file(Run &run, const std::string &name);

} // namespace vorlenta::cli
