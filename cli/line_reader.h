// SPDX-License-Identifier: MIT
#pragma once

// Reads a file descriptor line by line through a fixed buffer, so that memory
// stays flat however long the input: a line longer than the limit keeps only
// its first bytes and is marked as cut.

#include <cstddef>
#include <string>
#include <vector>

namespace vorlenta::cli {

class LineReader {
public:
    LineReader(int fd, std::size_t max_line_bytes);

    // The next line without its "\n" (and without a "\r" before it); false at
    // the end of the input, on a read error (see failed()) and, once
    // stop_on_signals() was called, when a signal interrupts a read (see
    // interrupted()): the line read so far is then dropped.
    bool next(std::string &line, bool &cut);
    void stop_on_signals() { m_stop_on_signals = true; }
    bool interrupted() const { return m_interrupted; }
    bool failed() const { return m_error != 0; }
    int error() const { return m_error; } // the errno of the failed read
    // Whether the last line read ended in "\n" rather than at the end of the input.
    bool newline() const { return m_newline; }

private:
    bool fill();

    int m_fd;
    std::size_t m_max;
    std::vector<char> m_buffer;
    std::size_t m_begin = 0;
    std::size_t m_end = 0;
    bool m_eof = false;
    int m_error = 0;
    bool m_newline = false;
    bool m_stop_on_signals = false;
    bool m_interrupted = false;
};

} // namespace vorlenta::cli
