// SPDX-License-Identifier: MIT
#pragma once

// Line editing and history at a terminal, through the readline interface of
// libedit (BSD-licensed). The library is loaded at run time, and only when
// the program talks to a person: scripts never load it or pay for it.

#include <memory>
#include <string>

namespace vorlenta::cli {

class LineEditor {
public:
    // Nothing when libedit cannot be loaded; the caller then reads plainly.
    // The history of earlier sessions comes from `history_file` (none: "").
    static std::unique_ptr<LineEditor> open(const char *prompt, std::string history_file);
    ~LineEditor(); // keeps the history in its file

    LineEditor(const LineEditor &) = delete;
    LineEditor &operator=(const LineEditor &) = delete;

    // The next line, without its newline; false at the end of the input
    // (Ctrl-D on an empty line).
    bool next(std::string &line);

    // $XDG_STATE_HOME/vorlenta/eval_history (~/.local/state/… by default),
    // creating its folder; "" when there is no home to keep it in.
    static std::string default_history_file();

private:
    struct Library;
    LineEditor(std::unique_ptr<Library> library, const char *prompt, std::string history_file);

    std::unique_ptr<Library> m_library;
    const char *m_prompt;
    std::string m_history_file;
    std::string m_last; // the newest history entry, not repeated
};

} // namespace vorlenta::cli
