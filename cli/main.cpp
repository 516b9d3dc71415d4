// SPDX-License-Identifier: MIT
// vorlenta-eval: evaluates expressions given as arguments or read line by
// line from standard input, one value a line.

#include <cctype>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

#include <unistd.h>

#include "cli/fault_report.h"
#include "cli/help_text.h"
#include "cli/line_editor.h"
#include "cli/line_evaluation.h"
#include "cli/line_reader.h"
#include "cli/number_text.h"
#include "cli/options.h"

using namespace vorlenta;
using namespace vorlenta::cli;

namespace {

// A character takes at most 4 bytes of UTF-8 (an invalid byte counts as one
// character), so a longer line is too long to evaluate whatever it holds: it
// is cut here, not stored.
constexpr std::size_t max_line_bytes = 4 * std::size_t(too_many_characters);

enum Status { Success = 0, UsageOrIo = 1, SyntaxStatus = 2, ArithmeticStatus = 3 };

void write_error(const std::string &text)
{
    std::fwrite(text.data(), 1, text.size(), stderr);
}

int usage_error(const std::string &message)
{
    write_error("vorlenta-eval: " + message + "\nTry 'vorlenta-eval --help'.\n");
    return UsageOrIo;
}

// After a failed write: a reader that stopped reading (| head -1) is a clean
// stop; any other failure is reported, and false.
bool output_gone_quietly(bool &closed)
{
    closed = true;
    if (errno == EPIPE)
        return true;
    write_error(std::string("vorlenta-eval: cannot write the output: ") + std::strerror(errno) + "\n");
    return false;
}

class Run {
public:
    explicit Run(bool point) : m_line(point) {}

    LineEvaluator &line() { return m_line; }
    int status() const { return m_status; }
    bool output_closed() const { return m_output_closed; }

    // False once standard output is gone: there is no one to answer.
    bool handle(std::string_view bytes, std::string_view where, bool cut)
    {
        const LineResult result = cut ? LineEvaluator::too_long() : m_line.evaluate(bytes);
        switch (result.outcome) {
        case Outcome::Value:
            m_value = result.text;
            m_value += '\n';
            if (std::fwrite(m_value.data(), 1, m_value.size(), stdout) != m_value.size())
                return output_failed();
            // A person waits for each answer, also through | tee.
            return !m_interactive || finish();
        case Outcome::SyntaxFault:
            m_status = SyntaxStatus;
            break;
        case Outcome::ArithmeticFault:
            if (m_status != SyntaxStatus)
                m_status = ArithmeticStatus;
            break;
        }
        if (std::fflush(stdout) != 0) // the values before a fault come before its report
            return output_failed();
        write_error(fault_report(where, bytes, result));
        return true;
    }

    bool finish() { return std::fflush(stdout) == 0 || output_failed(); }
    void set_interactive() { m_interactive = true; }

private:
    bool output_failed()
    {
        if (!output_gone_quietly(m_output_closed))
            m_status = UsageOrIo;
        return false;
    }

    LineEvaluator m_line;
    std::string m_value;
    int m_status = Success;
    bool m_output_closed = false;
    bool m_interactive = false;
};

bool is_blank(std::string_view line)
{
    return line.find_first_not_of(" \t\r\v\f") == std::string_view::npos;
}

std::string line_label(long number)
{
    return "line " + std::to_string(number) + ": ";
}

// A person at the terminal: lines edited with libedit when it is there.
void read_terminal(Run &run, LineEditor &editor)
{
    std::string line;
    for (long number = 1; editor.next(line); ++number)
        if (!is_blank(line) && !run.handle(line, line_label(number), line.size() > max_line_bytes))
            return;
    std::fputs("\n", stderr);
}

int read_standard_input(Run &run)
{
    const bool prompt = ::isatty(STDIN_FILENO) && ::isatty(STDERR_FILENO);
    if (prompt) {
        run.set_interactive();
        if (auto editor = LineEditor::open("> ", LineEditor::default_history_file())) {
            read_terminal(run, *editor);
            return run.status();
        }
    }
    LineReader reader(STDIN_FILENO, max_line_bytes);
    std::string line;
    bool cut = false;
    for (long number = 1;; ++number) {
        if (prompt)
            std::fputs("> ", stderr);
        if (!reader.next(line, cut))
            break;
        if (!cut && is_blank(line))
            continue;
        // Ctrl-D in the middle of a line ends it without a newline: the
        // answer starts on a line of its own all the same.
        if (prompt && !reader.newline())
            std::fputs("\n", stderr);
        if (!run.handle(line, line_label(number), cut))
            return run.status();
    }
    if (prompt)
        std::fputs("\n", stderr);
    if (reader.failed()) {
        write_error(std::string("vorlenta-eval: cannot read the input: ") + std::strerror(reader.error()) + "\n");
        return UsageOrIo;
    }
    return run.status();
}

int print(const char *text)
{
    bool closed = false;
    const std::size_t size = std::strlen(text);
    if (std::fwrite(text, 1, size, stdout) == size && std::fflush(stdout) == 0)
        return Success;
    return output_gone_quietly(closed) ? Success : UsageOrIo;
}

std::string define_symbols(const Options &options, LineEvaluator &line)
{
    const char separator = line.decimal_separator();
    for (const auto &[option, definition] : options.defines) {
        const std::size_t equals = definition.find('=');
        const std::string head = option + " " + definition + ": ";
        if (equals == std::string::npos)
            return head + "NAME=VALUE expected";
        const std::string text = definition.substr(equals + 1);
        const auto value = read_number(text, separator);
        if (!value)
            return head + "'" + text + "' is no number in the notation with \"" + separator + "\""
                   + (separator == ',' && text.find('.') != std::string::npos ? "; use --point for '.'" : "");
        std::string why;
        if (!line.evaluator().define(std::string_view(definition).substr(0, equals), *value, &why)) {
            if (!why.empty()) // the library's sentence, here in the middle of a line
                why.front() = char(std::tolower(static_cast<unsigned char>(why.front())));
            return head + why;
        }
    }
    return {};
}

} // namespace

int main(int argc, char *argv[])
{
    // A closed output shows as EPIPE on the next write, and ends the run cleanly.
    std::signal(SIGPIPE, SIG_IGN);

    Options options;
    if (const std::string problem = parse_options(argc, argv, options); !problem.empty())
        return usage_error(problem);
    if (options.help)
        return print(help_text);
    if (options.version)
        return print("vorlenta-eval " VORLENTA_VERSION "\n");

    Run run(options.point);
    if (const std::string problem = define_symbols(options, run.line()); !problem.empty())
        return usage_error(problem);

    if (options.expressions.empty()) {
        const int status = read_standard_input(run);
        if (!run.output_closed())
            run.finish();
        return status == UsageOrIo ? status : run.status();
    }
    for (const std::string &expression : options.expressions)
        if (!run.handle(expression, "", false))
            return run.status();
    run.finish();
    return run.status();
}
