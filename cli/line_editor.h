// SPDX-License-Identifier: MIT
#pragma once

// Line editing and history at a terminal, through the readline interface of
// libedit (BSD-licensed). The library is loaded at run time, and only when
// the program talks to a person: scripts never load it or pay for it.

#include <memory>
#include <string>
#include <vector>

namespace vorlenta::cli {

class LineEditor {
public:
    // Nothing when libedit cannot be loaded; the caller then reads plainly.
    // The history of earlier sessions comes from `history_file` (none: "").
    static std::unique_ptr<LineEditor> open(const char *prompt, std::string history_file);
    ~LineEditor(); // adds the lines of this session to the history file

    LineEditor(const LineEditor &) = delete;
    LineEditor &operator=(const LineEditor &) = delete;

    // The next line, without its newline; false at the end of the input
    // (Ctrl-D on an empty line) and when a signal interrupted the reading,
    // which then drops the line being typed. libedit's own handlers put the
    // terminal back in order on Ctrl-Z and redraw the line on fg.
    bool next(std::string &line);

private:
    struct Library;
    LineEditor(std::unique_ptr<Library> library, const char *prompt, std::string history_file);
    std::string save_history() const;

    std::unique_ptr<Library> m_library;
    const char *m_prompt;
    std::string m_history_file;
    std::vector<std::string> m_added; // this session's lines, for the history file
};

} // namespace vorlenta::cli
