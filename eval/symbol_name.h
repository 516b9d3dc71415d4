// SPDX-License-Identifier: MIT
#pragma once

// The rule for symbol names, for the parser that reads them and for define,
// which refuses a name no expression could use:
//
//   name := ("A".."Z" | "a".."z" | "_") { "A".."Z" | "a".."z" | "0".."9" | "_" }
//
// except that an upper-case "E", "S" or "L" where a name would start is a
// prefix function, so no name starts with one of them.

#include <string_view>

namespace vorlenta {

constexpr bool is_name_start(unsigned char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}

constexpr bool is_name_char(unsigned char c)
{
    return is_name_start(c) || (c >= '0' && c <= '9');
}

// "%" is a prefix function too, but is no letter a name could start with.
constexpr bool is_prefix_function(unsigned char c)
{
    return c == 'E' || c == 'S' || c == 'L' || c == '%';
}

// Why no expression can use the name, in words; nullptr for a usable name.
constexpr const char *unusable_name(std::string_view name)
{
    if (name.empty())
        return "A symbol name cannot be empty";
    if (!is_name_start(static_cast<unsigned char>(name.front())))
        return "A symbol name starts with an ASCII letter or \"_\"";
    if (is_prefix_function(static_cast<unsigned char>(name.front())))
        return "A symbol name starts with an ASCII letter or \"_\", but not with an upper-case E, S or L: "
               "those are the prefix functions";
    for (const char c : name) {
        if (!is_name_char(static_cast<unsigned char>(c)))
            return "A symbol name has only ASCII letters, digits and \"_\"";
    }
    return nullptr;
}

} // namespace vorlenta
