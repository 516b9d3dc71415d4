// SPDX-License-Identifier: MIT
#include "cli/line_reader.h"

#include <cerrno>
#include <cstring>

#include <unistd.h>

namespace vorlenta::cli {

LineReader::LineReader(int fd, std::size_t max_line_bytes)
    : m_fd(fd), m_max(max_line_bytes), m_buffer(std::size_t(64) * 1024)
{
}

bool LineReader::fill()
{
    for (;;) {
        const ssize_t got = ::read(m_fd, m_buffer.data(), m_buffer.size());
        if (got > 0) {
            m_begin = 0;
            m_end = std::size_t(got);
            return true;
        }
        if (got < 0 && errno == EINTR) {
            if (!m_stop_on_signals)
                continue;
            m_interrupted = true;
            return false;
        }
        m_error = got < 0 ? errno : 0;
        m_eof = true;
        return false;
    }
}

bool LineReader::next(std::string &line, bool &cut)
{
    line.clear();
    cut = false;
    bool any = false;
    m_newline = false;
    m_interrupted = false;
    for (;;) {
        if (m_begin == m_end && (m_eof || !fill())) {
            if (m_interrupted) {
                line.clear();
                return false;
            }
            break;
        }
        any = true;
        const char *start = m_buffer.data() + m_begin;
        const auto *newline = static_cast<const char *>(std::memchr(start, '\n', m_end - m_begin));
        const std::size_t length = newline ? std::size_t(newline - start) : m_end - m_begin;
        const std::size_t room = m_max - line.size();
        line.append(start, length < room ? length : room);
        cut = cut || length > room;
        m_begin += length;
        if (newline) {
            ++m_begin;
            m_newline = true;
            break;
        }
    }
    if (!line.empty() && line.back() == '\r' && !cut)
        line.pop_back();
    return any;
}

} // namespace vorlenta::cli
