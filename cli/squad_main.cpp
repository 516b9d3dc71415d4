// SPDX-License-Identifier: MIT
// vorlenta-squad: a squad's CSV through the calculators and the coach's
// formula columns, from files or standard input to standard output.

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <string>

#include <fcntl.h>
#include <unistd.h>

#include "cli/squad_help.h"
#include "cli/squad_options.h"
#include "squad/squad_stream.h"

using namespace vorlenta;
using namespace vorlenta::cli;

namespace {

enum Status { Success = 0, Reported = 1, Usage = 2 };

// Each file reports at most this many problems; a file of binary junk would
// otherwise bury the terminal.
constexpr int most_problems = 100;
constexpr std::size_t output_batch = std::size_t(1) << 20;

void write_error(const std::string &text)
{
    std::fwrite(text.data(), 1, text.size(), stderr);
}

class FileSource : public squad::ByteSource {
public:
    explicit FileSource(int fd) : m_fd(fd) {}
    std::size_t read(char *into, std::size_t size) override
    {
        for (;;) {
            const ssize_t got = ::read(m_fd, into, size);
            if (got >= 0)
                return std::size_t(got);
            if (errno != EINTR) {
                m_error = errno;
                return 0;
            }
        }
    }
    int error() const { return m_error; }

private:
    int m_fd;
    int m_error = 0;
};

class Output {
public:
    std::string &buffer() { return m_buffer; }
    bool closed() const { return m_closed; }
    bool failed() const { return m_failed; }

    // Writes what is buffered once it is large, or always with `all`. A
    // person at the terminal sees each row as it comes, beside its problems.
    void flush(bool all = false)
    {
        if (m_closed || (!all && !m_terminal && m_buffer.size() < output_batch))
            return;
        std::size_t done = 0;
        while (done < m_buffer.size()) {
            const ssize_t wrote = ::write(STDOUT_FILENO, m_buffer.data() + done, m_buffer.size() - done);
            if (wrote < 0 && errno == EINTR)
                continue;
            if (wrote <= 0) {
                // A reader that stopped reading (| head) is a clean stop.
                m_closed = true;
                m_failed = errno != EPIPE;
                if (m_failed)
                    write_error(std::string("vorlenta-squad: cannot write the output: ") + std::strerror(errno) + "\n");
                break;
            }
            done += std::size_t(wrote);
        }
        m_buffer.clear();
    }

private:
    std::string m_buffer;
    bool m_terminal = ::isatty(STDOUT_FILENO);
    bool m_closed = false;
    bool m_failed = false;
};

// One file through the squad; false when it reported anything.
bool run_file(const std::string &name, int fd, const SquadOptions &options, Output &output, std::string &last_header)
{
    FileSource source(fd);
    squad::SquadStream stream(source, {options.formulas, options.decimal_point});
    std::vector<squad::Problem> problems;
    int reported = 0;
    for (;;) {
        const std::size_t before = output.buffer().size();
        const squad::SquadStream::Output kind = stream.next(output.buffer(), problems);
        if (kind == squad::SquadStream::Output::End)
            break;
        if (kind == squad::SquadStream::Output::Header) {
            // Files with the same columns make one table.
            const std::string header = output.buffer().substr(before);
            if (header == last_header)
                output.buffer().resize(before);
            else if (!last_header.empty())
                problems.push_back({0, {}, "its columns differ from the file's before: its own header follows"});
            last_header = header;
        }
        output.flush();
        for (const squad::Problem &problem : problems)
            if (reported++ < most_problems)
                write_error(squad::describe(name, problem) + "\n");
        problems.clear();
        if (output.closed())
            return reported == 0;
    }
    if (reported > most_problems)
        write_error(name + ": " + std::to_string(reported - most_problems) + " more problems not shown\n");
    if (source.error() != 0) {
        write_error(name + ": cannot read on: " + std::strerror(source.error()) + "\n");
        return false;
    }
    return reported == 0;
}

int print(const char *text)
{
    const std::size_t size = std::strlen(text);
    if (std::fwrite(text, 1, size, stdout) == size && std::fflush(stdout) == 0)
        return Success;
    if (errno == EPIPE)
        return Success;
    write_error(std::string("vorlenta-squad: cannot write the output: ") + std::strerror(errno) + "\n");
    return Reported;
}

} // namespace

int main(int argc, char *argv[])
{
    // A closed output shows as EPIPE on the next write, and ends the run cleanly.
    std::signal(SIGPIPE, SIG_IGN);

    SquadOptions options;
    if (const std::string problem = parse_squad_options(argc, argv, options); !problem.empty()) {
        write_error("vorlenta-squad: " + problem + "\nTry 'vorlenta-squad --help'.\n");
        return Usage;
    }
    if (options.help)
        return print(squad_help_text);
    if (options.version)
        return print("vorlenta-squad " VORLENTA_VERSION "\n");
    if (options.files.empty())
        options.files.emplace_back("-");

    Output output;
    std::string last_header;
    int status = Success;
    for (const std::string &file : options.files) {
        const bool standard_input = file == "-";
        const int fd = standard_input ? STDIN_FILENO : ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0) {
            write_error(file + ": cannot open: " + std::strerror(errno) + "\n");
            status = Reported;
            continue;
        }
        if (!run_file(standard_input ? "<stdin>" : file, fd, options, output, last_header))
            status = Reported;
        if (!standard_input)
            ::close(fd);
        if (output.closed())
            break;
    }
    output.flush(true);
    return output.failed() ? Reported : status;
}
