// SPDX-License-Identifier: MIT
#include "cli/inputs.h"

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <unistd.h>

#include "cli/line_reader.h"
#include "cli/terminal_session.h"

namespace vorlenta::cli {

namespace {

bool is_blank(std::string_view line)
{
    return line.find_first_not_of(" \t\r\v\f") == std::string_view::npos;
}

bool read_lines(Run &run, int fd, const std::string &name, const std::string &label)
{
    LineReader reader(fd, max_line_bytes);
    std::string line;
    bool cut = false;
    for (long number = 1; reader.next(line, cut); ++number)
        if ((cut || !is_blank(line)) && !run.handle(line, label + std::to_string(number) + ": ", cut))
            return false;
    if (reader.failed()) {
        run.input_failed("cannot read " + name + ": " + std::strerror(reader.error()));
        return false;
    }
    return true;
}

} // namespace

bool read_standard_input(Run &run)
{
    if (::isatty(STDIN_FILENO) && ::isatty(STDERR_FILENO))
        return read_terminal(run);
    return read_lines(run, STDIN_FILENO, "the input", "line ");
}

bool read_file(Run &run, const std::string &name)
{
    if (name == "-")
        return read_standard_input(run);
    const int fd = ::open(name.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        run.input_failed("cannot read " + name + ": " + std::strerror(errno));
        return false;
    }
    const bool more = read_lines(run, fd, name, name + ":");
    ::close(fd);
    return more;
}

} // namespace vorlenta::cli
