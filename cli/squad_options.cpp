// SPDX-License-Identifier: MIT
#include "cli/squad_options.h"

#include <string_view>

namespace vorlenta::cli {

namespace {

// The value of an option given as "--name=value" or as "--name value".
bool option_value(std::string_view argument, std::string_view long_name, std::string_view short_name, int argc,
                  char *argv[], int &i, std::optional<std::string> &value)
{
    if (argument == long_name || argument == short_name) {
        if (i + 1 < argc)
            value = argv[++i];
        return true;
    }
    if (argument.starts_with(long_name) && argument.size() > long_name.size() && argument[long_name.size()] == '=') {
        value = std::string(argument.substr(long_name.size() + 1));
        return true;
    }
    return false;
}

} // namespace

std::string parse_squad_options(int argc, char *argv[], SquadOptions &options)
{
    bool only_files = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        std::optional<std::string> value;
        if (only_files || argument == "-" || !argument.starts_with('-')) {
            if (argument.empty())
                return "argument " + std::to_string(i) + " is empty: give a FILE, or none to read standard input";
            options.files.emplace_back(argument);
        } else if (argument == "--") {
            only_files = true;
        } else if (argument == "-h" || argument == "--help") {
            options.help = true;
        } else if (argument == "--version") {
            options.version = true;
        } else if (option_value(argument, "--column", "-c", argc, argv, i, value)) {
            if (!value)
                return std::string(argument) + " needs NAME=EXPRESSION";
            std::string why;
            auto formula = squad::parse_formula_definition(*value, options.formulas, why);
            if (!formula)
                return std::string(argument) + " " + *value + ": " + why;
            options.formulas.push_back(std::move(*formula));
        } else if (option_value(argument, "--decimal", "-d", argc, argv, i, value)) {
            if (!value || (*value != "." && *value != ","))
                return std::string(argument) + " takes . or ,";
            options.decimal_point = (*value)[0];
        } else {
            return "unknown option " + std::string(argument) + " (put -- before a FILE that starts with -)";
        }
    }
    return {};
}

} // namespace vorlenta::cli
