// SPDX-License-Identifier: MIT
#pragma once

// The command line of vorlenta-eval: its options and expressions.

#include <string>
#include <vector>

namespace vorlenta::cli {

struct Define {
    std::string option;     // "-D" or "--define", as given
    std::string definition; // NAME=VALUE, as given
};

// An expression given as an argument, or a file of them (-f).
struct Input {
    bool file = false;
    std::string text; // the expression's bytes, or the file's name
};

struct Options {
    bool help = false;
    bool version = false;
    bool point = false;          // "." notation whatever the locale
    std::vector<Define> defines; // in order
    std::vector<Input> inputs;   // in order
};

// Fills `options`; on a usage error returns its message, naming the argument.
std::string parse_options(int argc, char *argv[], Options &options);

} // namespace vorlenta::cli
