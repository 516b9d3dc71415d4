// SPDX-License-Identifier: MIT
// vorlenta-eval: evaluates expressions given as arguments, or read line by
// line from files or standard input, one value a line.

#include <cctype>
#include <csignal>
#include <string>

#include <sys/stat.h>

#include "cli/help_text.h"
#include "cli/inputs.h"
#include "cli/number_text.h"
#include "cli/options.h"
#include "cli/run.h"

using namespace vorlenta;
using namespace vorlenta::cli;

namespace {

int usage_error(const std::string &message)
{
    write_error("vorlenta-eval: " + message + "\nTry 'vorlenta-eval --help'.\n");
    return UsageOrIo;
}

// `vorlenta-eval in.txt` reads "in.txt" as an expression.
bool names_a_file(const std::string &argument)
{
    struct stat status {};
    return ::stat(argument.c_str(), &status) == 0 && S_ISREG(status.st_mode);
}

// Evaluates the arguments and reads the files in turn. False when the run
// cannot go on.
bool read_inputs(Run &run, const std::vector<Input> &inputs)
{
    for (const Input &input : inputs) {
        if (input.file) {
            if (!read_file(run, input.text))
                return false;
            continue;
        }
        if (!run.handle(input.text, "", false))
            return false;
        if (run.last_line_status() == SyntaxStatus && names_a_file(input.text))
            write_error("vorlenta-eval: hint: to read the expressions in the file " + input.text + ", use -f "
                        + input.text + "\n");
    }
    return true;
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
        return print("vorlenta-eval " VORLENTA_VERSION "\nlibvorlenta-eval " VORLENTA_EVAL_VERSION "\n");

    Run run(options.point);
    if (const std::string problem = define_symbols(options, run.session().line()); !problem.empty())
        return usage_error(problem);

    const bool more = options.inputs.empty() ? read_standard_input(run) : read_inputs(run, options.inputs);
    if (!more && run.output_closed())
        return run.status();
    run.finish();
    return run.status();
}
