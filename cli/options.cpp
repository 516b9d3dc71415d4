// SPDX-License-Identifier: MIT
#include "cli/options.h"

#include <string_view>

namespace vorlenta::cli {

namespace {

// "-2*3", "-(1)", "-.5": a negative expression, not an option.
bool starts_expression(std::string_view argument)
{
    const char c = argument[1];
    return (c >= '0' && c <= '9') || c == '.' || c == ',' || c == '(' || c == ' ';
}

bool is_blank(std::string_view text)
{
    return text.find_first_not_of(" \t\r\n\v\f") == std::string_view::npos;
}

} // namespace

std::string parse_options(int argc, char *argv[], Options &options)
{
    bool only_expressions = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (only_expressions || argument.size() < 2 || argument[0] != '-' || starts_expression(argument)) {
            // Standard input is read only without expressions, so an empty
            // argument (an unset shell variable, say) would print a value
            // for no expression at all.
            if (is_blank(argument))
                return "argument " + std::to_string(i) + " is empty: give an expression, "
                       "or none to read standard input";
            options.inputs.push_back({false, std::string(argument)});
        } else if (argument == "--") {
            only_expressions = true;
        } else if (argument == "-h" || argument == "--help") {
            options.help = true;
        } else if (argument == "--version") {
            options.version = true;
        } else if (argument == "-p" || argument == "--point") {
            options.point = true;
        } else if (argument == "-D" || argument == "--define") {
            if (i + 1 == argc)
                return std::string(argument) + " needs NAME=VALUE";
            options.defines.push_back({std::string(argument), argv[++i]});
        } else if (argument == "-f" || argument == "--file") {
            if (i + 1 == argc || argv[i + 1][0] == '\0')
                return std::string(argument) + " needs FILE";
            options.inputs.push_back({true, argv[++i]});
        } else if (argument.starts_with("--file=")) {
            if (argument.size() == 7)
                return "--file needs FILE";
            options.inputs.push_back({true, std::string(argument.substr(7))});
        } else if (argument.starts_with("-D")) {
            options.defines.push_back({"-D", std::string(argument.substr(2))});
        } else if (argument.starts_with("--define=")) {
            options.defines.push_back({"--define", std::string(argument.substr(9))});
        } else {
            return "unknown option " + std::string(argument) + " (put -- before an expression that starts with -)";
        }
    }
    return {};
}

} // namespace vorlenta::cli
