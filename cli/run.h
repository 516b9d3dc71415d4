// SPDX-License-Identifier: MIT
#pragma once

// One run of vorlenta-eval: its session of lines, what it writes (values on
// standard output, faults and hints on standard error) and its exit status.

#include <string>
#include <string_view>

#include "cli/session.h"

namespace vorlenta::cli {

// A character takes at most 4 bytes of UTF-8 (an invalid byte counts as one
// character), so a longer line is too long to evaluate whatever it holds: it
// is cut when read, not stored.
constexpr std::size_t max_line_bytes = 4 * std::size_t(too_many_characters);

enum Status { Success = 0, UsageOrIo = 1, SyntaxStatus = 2, ArithmeticStatus = 3 };

void write_error(std::string_view text);

class Run {
public:
    explicit Run(bool point) : m_session(point) {}

    Session &session() { return m_session; }

    // Evaluates one expression or assignment and writes its answer; `where`
    // leads its fault report ("", "line 3: ", "in.txt:3: "). False once
    // standard output is gone: there is no one to answer.
    bool handle(std::string_view bytes, std::string_view where, bool cut);

    // Lines typed at a terminal: each answer is shown at once, an assignment
    // shows its value too, and the session's status is that of its last
    // line (see end_terminal_session).
    void set_interactive() { m_interactive = true; }
    bool interactive() const { return m_interactive; }
    // The status of the last line handled: Success, SyntaxStatus or ArithmeticStatus.
    int last_line_status() const { return m_last_line; }
    // The person ended the session after a line of this status: an earlier
    // typo is not the session's fate.
    void end_terminal_session(int last_line) { m_fault_status = last_line; }

    // The input could not be read: status 1 whatever else happened.
    void input_failed(std::string_view what);

    // Flushes standard output; false when that failed.
    bool finish();
    bool output_closed() const { return m_output_closed; }
    int status() const { return m_io_failed ? UsageOrIo : m_fault_status; }

private:
    bool output_failed();

    Session m_session;
    std::string m_value;
    int m_fault_status = Success; // a syntax fault beats an arithmetic one
    int m_last_line = Success;
    bool m_io_failed = false;
    bool m_output_closed = false;
    bool m_interactive = false;
};

// Writes `text` to standard output; the status: Success, also when the reader
// went away, or UsageOrIo after reporting the failure.
int print(std::string_view text);

} // namespace vorlenta::cli
