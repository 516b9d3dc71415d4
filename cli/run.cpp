// SPDX-License-Identifier: MIT
#include "cli/run.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "cli/fault_report.h"
#include "cli/hints.h"

namespace vorlenta::cli {

namespace {

// After a failed write: a reader that stopped reading (| head -1) is a clean
// stop; any other failure is reported, and false.
bool output_gone_quietly()
{
    if (errno == EPIPE)
        return true;
    write_error(std::string("vorlenta-eval: cannot write the output: ") + std::strerror(errno) + "\n");
    return false;
}

} // namespace

void write_error(std::string_view text)
{
    std::fwrite(text.data(), 1, text.size(), stderr);
}

int print(std::string_view text)
{
    if (std::fwrite(text.data(), 1, text.size(), stdout) == text.size() && std::fflush(stdout) == 0)
        return Success;
    return output_gone_quietly() ? Success : UsageOrIo;
}

bool Run::handle(std::string_view bytes, std::string_view where, bool cut)
{
    const SessionLine line = cut ? SessionLine{LineEvaluator::too_long()} : m_session.run(bytes);
    const LineResult &result = line.result;
    switch (result.outcome) {
    case Outcome::Value:
        m_last_line = Success;
        if (line.assignment && !m_interactive)
            return true; // scripts define names quietly
        m_value = result.text;
        m_value += '\n';
        if (std::fwrite(m_value.data(), 1, m_value.size(), stdout) != m_value.size())
            return output_failed();
        // A person waits for each answer, also through | tee.
        return !m_interactive || finish();
    case Outcome::SyntaxFault: m_last_line = m_fault_status = SyntaxStatus; break;
    case Outcome::ArithmeticFault:
        m_last_line = ArithmeticStatus;
        if (m_fault_status != SyntaxStatus)
            m_fault_status = ArithmeticStatus;
        break;
    }
    if (std::fflush(stdout) != 0) // the values before a fault come before its report
        return output_failed();
    std::string report = fault_report(where, bytes, result);
    if (const std::string hint = fault_hint(bytes, result, m_session.line().decimal_separator()); !hint.empty())
        report += "vorlenta-eval: hint: " + hint + "\n";
    write_error(report);
    return true;
}

void Run::input_failed(std::string_view what)
{
    write_error("vorlenta-eval: " + std::string(what) + "\n");
    m_io_failed = true;
}

bool Run::finish()
{
    return std::fflush(stdout) == 0 || output_failed();
}

bool Run::output_failed()
{
    m_output_closed = true;
    if (!output_gone_quietly())
        m_io_failed = true;
    return false;
}

} // namespace vorlenta::cli
