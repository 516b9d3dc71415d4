// SPDX-License-Identifier: MIT
// vorlenta-eval: evaluates expressions given as arguments or read line by
// line from standard input, one value a line.

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <string>

#include <unistd.h>

#include <QLocale>

#include "cli/fault_report.h"
#include "cli/help_text.h"
#include "cli/line_evaluation.h"
#include "cli/line_reader.h"
#include "cli/number_text.h"
#include "cli/options.h"

using namespace vorlenta;
using namespace vorlenta::cli;

namespace {

// Longer lines cannot be evaluated (32,767 UTF-16 code units at most, and a
// code unit takes at most 3 bytes of UTF-8): they are cut here, not stored.
constexpr std::size_t max_line_bytes = 3 * 32767;

enum Status { Success = 0, UsageOrIo = 1, SyntaxStatus = 2, ArithmeticStatus = 3 };

void write_error(const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stderr);
}

int usage_error(const QString &message)
{
    write_error(QStringLiteral("vorlenta-eval: %1\nTry 'vorlenta-eval --help'.\n").arg(message));
    return UsageOrIo;
}

class Run {
public:
    explicit Run(QChar separator) : m_line(separator) {}

    LineEvaluator &line() { return m_line; }
    int status() const { return m_status; }
    bool output_closed() const { return m_output_closed; }

    // False once standard output is gone: there is no one to answer.
    bool handle(std::string_view bytes, const QString &where, bool cut)
    {
        QString expression;
        LineResult result = m_line.evaluate_bytes(bytes, expression);
        if (cut && result.outcome != Outcome::SyntaxFault)
            result = {Outcome::ArithmeticFault, QStringLiteral("too long to evaluate (32,767 characters at most)")};
        switch (result.outcome) {
        case Outcome::Value: {
            const QByteArray text = result.text.toUtf8() + '\n';
            if (std::fwrite(text.constData(), 1, std::size_t(text.size()), stdout) != std::size_t(text.size()))
                return output_failed();
            return true;
        }
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
        write_error(fault_report(where, expression, result));
        return true;
    }

    bool finish()
    {
        return std::fflush(stdout) == 0 || output_failed();
    }

private:
    bool output_failed()
    {
        // A reader that stopped reading (| head -1) is a clean stop; any
        // other failure to write is reported.
        if (errno != EPIPE) {
            write_error(QStringLiteral("vorlenta-eval: cannot write the output: %1\n")
                            .arg(QString::fromLocal8Bit(std::strerror(errno))));
            m_status = UsageOrIo;
        }
        m_output_closed = true;
        return false;
    }

    LineEvaluator m_line;
    int m_status = Success;
    bool m_output_closed = false;
};

bool is_blank(std::string_view line)
{
    return line.find_first_not_of(" \t\r\v\f") == std::string_view::npos;
}

int read_standard_input(Run &run)
{
    const bool prompt = ::isatty(STDIN_FILENO) && ::isatty(STDERR_FILENO);
    LineReader reader(STDIN_FILENO, max_line_bytes);
    std::string line;
    bool cut = false;
    for (long number = 1;; ++number) {
        if (prompt)
            std::fputs("> ", stderr);
        if (!reader.next(line, cut))
            break;
        if (is_blank(line))
            continue;
        if (!run.handle(line, QStringLiteral("line %1: ").arg(number), cut))
            return run.status();
    }
    if (prompt)
        std::fputs("\n", stderr);
    if (reader.failed()) {
        write_error(QStringLiteral("vorlenta-eval: cannot read the input: %1\n")
                        .arg(QString::fromLocal8Bit(std::strerror(reader.error()))));
        return UsageOrIo;
    }
    return run.status();
}

} // namespace

int main(int argc, char *argv[])
{
    // A closed output shows as EPIPE on the next write, and ends the run cleanly.
    std::signal(SIGPIPE, SIG_IGN);

    Options options;
    if (const QString problem = parse_options(argc, argv, options); !problem.isEmpty())
        return usage_error(problem);
    if (options.help) {
        std::fputs(help_text().toUtf8().constData(), stdout);
        return std::fflush(stdout) == 0 ? Success : UsageOrIo;
    }
    if (options.version) {
        std::fputs("vorlenta-eval " VORLENTA_VERSION "\n", stdout);
        return std::fflush(stdout) == 0 ? Success : UsageOrIo;
    }

    const bool point = options.point || QLocale().decimalPoint() == QLatin1String(".");
    Run run(point ? QLatin1Char('.') : QLatin1Char(','));

    CSymbolTable &symbols = run.line().evaluator().m_SymbolTable;
    for (const auto &[option, definition] : options.defines) {
        const qsizetype equals = definition.indexOf(QLatin1Char('='));
        const QString name = definition.left(equals);
        if (equals < 0 || !is_symbol_name(name))
            return usage_error(QStringLiteral("%1 %2: NAME=VALUE expected, NAME a letter or _ then letters, "
                                              "digits or _, not starting with E, S or L")
                                   .arg(option, definition));
        const QString text = definition.mid(equals + 1);
        const auto value = read_number(text, run.line().decimal_separator());
        if (!value)
            return usage_error(QStringLiteral("%1 %2: '%3' is no number in the notation with \"%4\"")
                                   .arg(option, definition, text, run.line().decimal_separator()));
        const std::string utf8_name = name.toStdString();
        if (symbols.IsSymbolDefined(utf8_name))
            symbols.Value(utf8_name, *value); // the last definition counts
        else
            symbols.Add(utf8_name, *value);
    }

    if (options.expressions.empty()) {
        const int status = read_standard_input(run);
        if (!run.output_closed())
            run.finish();
        return status == UsageOrIo ? status : run.status();
    }
    for (const std::string &expression : options.expressions)
        if (!run.handle(expression, QString(), false))
            return run.status();
    run.finish();
    return run.status();
}
