// SPDX-License-Identifier: MIT
#include "cli/terminal_session.h"

#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

#include <unistd.h>

#include "cli/help_text.h"
#include "cli/history_file.h"
#include "cli/line_editor.h"
#include "cli/line_reader.h"
#include "cli/session_signals.h"

namespace vorlenta::cli {

namespace {

enum class Typed { Line, Interrupted, End };

// The lines typed: edited through libedit, or plain lines from the terminal.
class Keyboard {
public:
    Keyboard() : m_plain(STDIN_FILENO, max_line_bytes)
    {
        const HistoryPlace history = history_place();
        if (!history.problem.empty())
            write_error("vorlenta-eval: the history is not kept: " + history.problem + "\n");
        m_editor = LineEditor::open("> ", history.file);
        m_plain.stop_on_signals();
    }

    Typed next(std::string &line, bool &cut)
    {
        take_interrupt(); // a Ctrl-C between two lines drops nothing
        if (m_editor) {
            if (m_editor->next(line)) {
                cut = line.size() > max_line_bytes;
                return Typed::Line;
            }
        } else {
            write_error("> ");
            if (m_plain.next(line, cut)) {
                // Ctrl-D in the middle of a line ends it without a newline:
                // the answer starts on a line of its own all the same.
                if (!m_plain.newline())
                    write_error("\n");
                return Typed::Line;
            }
        }
        if (ending_signal() == 0 && take_interrupt()) {
            // The terminal echoes ^C itself only when libedit does not edit.
            write_error(m_editor ? "^C\n" : "\n");
            return Typed::Interrupted;
        }
        return Typed::End;
    }

    // The input could not be read (plain reading only; libedit ends quietly).
    int error() const { return m_plain.failed() ? m_plain.error() : 0; }

    // Ends the editing: the history is kept.
    void close() { m_editor.reset(); }

private:
    std::unique_ptr<LineEditor> m_editor;
    LineReader m_plain;
};

std::string_view trimmed(std::string_view line)
{
    const std::size_t first = line.find_first_not_of(" \t\r\v\f");
    if (first == std::string_view::npos)
        return {};
    return line.substr(first, line.find_last_not_of(" \t\r\v\f") - first + 1);
}

} // namespace

bool read_terminal(Run &run)
{
    run.set_interactive();
    note_session_signals();
    Keyboard keyboard;
    int last = Success; // of the last line the person entered
    bool more = true;
    std::string line;
    bool cut = false;
    for (long number = 1; ending_signal() == 0; ++number) {
        const Typed typed = keyboard.next(line, cut);
        if (typed == Typed::Interrupted) {
            --number;
            continue;
        }
        if (typed == Typed::End) {
            write_error("\n"); // the shell's prompt on a line of its own
            break;
        }
        const std::string_view command = cut ? std::string_view() : trimmed(line);
        if (command.empty() && !cut)
            continue;
        if (command == "quit" || command == "exit") {
            last = Success;
            break;
        }
        if (command == "help") {
            write_error(session_help_text);
            last = Success;
            continue;
        }
        more = run.handle(line, "line " + std::to_string(number) + ": ", cut);
        last = run.last_line_status();
        if (!more)
            break;
    }
    keyboard.close();
    if (const int error = keyboard.error()) {
        run.input_failed(std::string("cannot read the input: ") + std::strerror(error));
        return false;
    }
    run.end_terminal_session(last);
    if (const int signal = ending_signal()) {
        run.finish();
        end_by(signal);
    }
    return more;
}

} // namespace vorlenta::cli
