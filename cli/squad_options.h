// SPDX-License-Identifier: MIT
#pragma once

// The command line of vorlenta-squad: its options and files.

#include <optional>
#include <string>
#include <vector>

#include "squad/squad_columns.h"

namespace vorlenta::cli {

struct SquadOptions {
    bool help = false;
    bool version = false;
    std::vector<squad::FormulaDefinition> formulas; // in order
    std::optional<char> decimal_point;
    std::vector<std::string> files; // "-" is standard input; none: standard input
};

// Fills `options`; on a usage error returns its message, naming the argument.
std::string parse_squad_options(int argc, char *argv[], SquadOptions &options);

} // namespace vorlenta::cli
