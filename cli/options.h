// SPDX-License-Identifier: MIT
#pragma once

// The command line of vorlenta-eval: its options and expressions.

#include <string>
#include <utility>
#include <vector>

#include <QString>

namespace vorlenta::cli {

struct Options {
    bool help = false;
    bool version = false;
    bool point = false; // "." notation whatever the locale
    // NAME=VALUE as given, with the option that gave it, in order.
    std::vector<std::pair<QString, QString>> defines;
    std::vector<std::string> expressions; // bytes as given
};

// Fills `options`; on a usage error returns its message, naming the option.
QString parse_options(int argc, char *argv[], Options &options);

// A name an expression can use: a letter or "_", then letters, digits or
// "_"; not starting with the function letters E, S or L.
bool is_symbol_name(const QString &name);

} // namespace vorlenta::cli
