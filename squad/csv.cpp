// SPDX-License-Identifier: MIT
#include "squad/csv.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>

#include "fields/number_format.h"
#include "squad/cells.h"
#include "text/utf8.h"

namespace vorlenta::squad {
namespace {

constexpr std::size_t chunk_bytes = std::size_t(256) << 10;
constexpr std::string_view byte_order_mark = "\xEF\xBB\xBF";

// What one attempt to read a record from the bytes at hand came to.
struct Parsed {
    bool complete = false;
    std::size_t open_quote = std::string_view::npos; // a quote still open when the bytes ran out
    bool literal_quote = false;                      // a quote was taken as a character, not closed on its line
};

// The first characters of a formula: a text that starts with none runs as none.
constexpr bool formula_start(char c)
{
    return c == '=' || c == '+' || c == '-' || c == '@' || c == '\t' || c == '\r';
}

// Whether the writer may write a cell that starts with this byte otherwise
// than as it stands, even when it holds nothing to quote: a formula's first
// character, or the byte-order mark's.
constexpr bool may_change(char first)
{
    return formula_start(first) || first == byte_order_mark[0];
}

// The first of `begin`..`end` that is one of three bytes; `end` where none is.
// Eight bytes at a time: (x - 0x01..01) & ~x & 0x80..80 marks the zero bytes
// of x, the lowest mark exactly (a borrow may mark bytes above it), so the
// lowest mark of the three tells the first of them.
const char *find_first_of(const char *begin, const char *end, char a, char b, char c)
{
    if constexpr (std::endian::native == std::endian::little) {
        constexpr std::uint64_t ones = 0x0101010101010101, tops = 0x8080808080808080;
        const auto zeros = [](std::uint64_t x) { return (x - ones) & ~x & tops; };
        const std::uint64_t as = ones * static_cast<unsigned char>(a), bs = ones * static_cast<unsigned char>(b),
                            cs = ones * static_cast<unsigned char>(c);
        for (; end - begin >= 8; begin += 8) {
            std::uint64_t word;
            std::memcpy(&word, begin, 8);
            if (const std::uint64_t marks = zeros(word ^ as) | zeros(word ^ bs) | zeros(word ^ cs))
                return begin + std::countr_zero(marks) / 8;
        }
    }
    while (begin != end && *begin != a && *begin != b && *begin != c)
        ++begin;
    return begin;
}

} // namespace

Dialect dialect_of(std::string_view first_line)
{
    std::size_t commas = 0, semicolons = 0, tabs = 0;
    bool quoted = false;
    for (const char c : first_line.substr(0, first_line.find('\n'))) {
        quoted = quoted != (c == '"');
        commas += !quoted && c == ',';
        semicolons += !quoted && c == ';';
        tabs += !quoted && c == '\t';
    }
    Dialect dialect;
    if (semicolons > commas && semicolons >= tabs)
        dialect.separator = ';', dialect.decimal_point = ',';
    else if (tabs > commas && tabs > semicolons)
        dialect.separator = '\t';
    const std::size_t end = first_line.find('\n');
    dialect.crlf = end != std::string_view::npos && end > 0 && first_line[end - 1] == '\r';
    return dialect;
}

bool is_text(std::string_view bytes)
{
    // Most rows are ASCII without a NUL, which one quick pass tells, eight
    // bytes at a time: a byte's top bit, and (word - 0x01..01) & ~word has a
    // top bit set where the word holds a zero byte.
    constexpr std::uint64_t ones = 0x0101010101010101, tops = 0x8080808080808080;
    std::uint64_t high = 0, zero = 0;
    std::size_t at = 0;
    for (; at + 8 <= bytes.size(); at += 8) {
        std::uint64_t word;
        std::memcpy(&word, bytes.data() + at, 8);
        high |= word;
        zero |= (word - ones) & ~word;
    }
    for (; at < bytes.size(); ++at) {
        const auto byte = static_cast<unsigned char>(bytes[at]);
        high |= byte;
        zero |= byte == 0 ? tops : 0;
    }
    if (zero & tops)
        return false;
    return !(high & tops) || text::first_invalid_utf8(bytes) == std::string_view::npos;
}

std::size_t TextSource::read(char *into, std::size_t size)
{
    const std::size_t count = std::min(size, m_text.size());
    std::memcpy(into, m_text.data(), count);
    m_text.remove_prefix(count);
    return count;
}

CsvReader::CsvReader(ByteSource &source, std::optional<char> separator, std::size_t max_row_bytes)
    : m_source(source), m_separator(separator), m_max_row(std::max<std::size_t>(max_row_bytes, 64))
{
    m_chunk = std::min(chunk_bytes, m_max_row);
    m_buffer.resize(m_max_row + m_chunk);
    // Unescaped quoted cells are never longer than the bytes they come from,
    // so the views into this never move.
    m_unquoted.reserve(m_buffer.size());
}

bool CsvReader::fill()
{
    if (m_eof)
        return false;
    if (m_begin > 0) {
        std::memmove(m_buffer.data(), m_buffer.data() + m_begin, m_end - m_begin);
        m_end -= m_begin;
        m_begin = 0;
    }
    const std::size_t before = m_end;
    while (m_end < m_buffer.size() && m_end - before < m_chunk) {
        const std::size_t got = m_source.read(m_buffer.data() + m_end, m_buffer.size() - m_end);
        if (got == 0) {
            m_eof = true;
            break;
        }
        m_end += got;
    }
    return m_end > before;
}

void CsvReader::start()
{
    m_started = true;
    auto view = [&] { return std::string_view(m_buffer.data() + m_begin, m_end - m_begin); };
    // The header: the first line that is not blank.
    auto header = [&] {
        const std::size_t start = std::min(view().find_first_not_of("\r\n"), view().size());
        return view().substr(start);
    };
    while (header().find('\n') == std::string_view::npos && m_end - m_begin < m_max_row && fill()) {}
    if (view().starts_with(byte_order_mark)) {
        m_dialect.bom = true;
        m_begin += byte_order_mark.size();
    }
    const Dialect found = dialect_of(header());
    m_dialect.separator = found.separator;
    m_dialect.decimal_point = found.decimal_point;
    m_dialect.crlf = found.crlf;
    if (m_separator) {
        m_dialect.separator = *m_separator;
        m_dialect.decimal_point = '.';
    }
}

// Reads one record from `begin`, if the bytes at hand hold all of it. On
// one line only, a quote that is not closed on its line quotes nothing.
static Parsed parse_record(const char *buffer, std::size_t begin, std::size_t end, bool eof, char separator,
                           bool one_line, Record &record, std::string &unquoted, std::size_t &stop, long &lines)
{
    Parsed parsed;
    record.cells.clear();
    unquoted.clear();
    lines = 0;
    std::size_t at = begin;
    for (;;) {
        std::size_t cell_begin = at;
        const std::size_t unquoted_begin = unquoted.size();
        bool quoted = at < end && buffer[at] == '"';
        if (quoted) {
            const void *line_end = one_line ? std::memchr(buffer + at, '\n', end - at) : nullptr;
            const std::size_t limit = line_end ? std::size_t(static_cast<const char *>(line_end) - buffer) : end;
            const std::size_t quote = at++;
            for (;;) {
                const void *found = std::memchr(buffer + at, '"', limit - at);
                if (!found && one_line) {
                    // Not closed on its line: the quote is a character of its cell.
                    unquoted.resize(unquoted_begin);
                    quoted = false;
                    parsed.literal_quote = true;
                    at = quote + 1;
                    break;
                }
                if (!found) {
                    parsed.open_quote = quote;
                    return parsed;
                }
                const std::size_t q = std::size_t(static_cast<const char *>(found) - buffer);
                lines += std::count(buffer + at, buffer + q, '\n');
                unquoted.append(buffer + at, q - at);
                if (q + 1 == end && !eof) {
                    parsed.open_quote = quote; // a doubled quote may follow
                    return parsed;
                }
                at = q + 1;
                if (at < end && buffer[at] == '"') {
                    unquoted += '"';
                    ++at;
                    continue;
                }
                break;
            }
            if (quoted)
                cell_begin = at; // what follows the closing quote, up to the separator, is kept too
        }
        while (at < end && buffer[at] != separator && buffer[at] != '\n')
            ++at;
        if (at == end && !eof)
            return parsed;
        std::size_t cell_end = at;
        const bool line_ends = at == end || buffer[at] == '\n';
        if (line_ends && cell_end > cell_begin && buffer[cell_end - 1] == '\r')
            --cell_end;
        if (quoted) {
            unquoted.append(buffer + cell_begin, cell_end - cell_begin);
            record.cells.emplace_back(unquoted.data() + unquoted_begin, unquoted.size() - unquoted_begin);
        } else {
            record.cells.emplace_back(buffer + cell_begin, cell_end - cell_begin);
        }
        if (!line_ends) {
            ++at;
            continue;
        }
        if (at < end) {
            ++at;
            ++lines;
        }
        stop = at;
        parsed.complete = true;
        return parsed;
    }
}

bool CsvReader::read_plain_line(Record &record)
{
    // Most lines hold no quote and lie whole in the buffer: their cells are
    // what lies between the separators, and the last one ends before the
    // line end ("\r\n" too).
    const char separator = m_dialect.separator;
    if (separator == '\n' || separator == '"')
        return false;
    const char *const line = m_buffer.data() + m_begin, *const end = m_buffer.data() + m_end;
    record.cells.clear();
    const char *cell = line;
    for (;;) {
        const char *const at = find_first_of(cell, end, separator, '\n', '"');
        if (at == end || *at == '"')
            return false;
        if (*at == separator) {
            record.cells.emplace_back(cell, std::size_t(at - cell));
            cell = at + 1;
            continue;
        }
        const std::size_t last = std::size_t(at - cell);
        record.cells.emplace_back(cell, last > 0 && cell[last - 1] == '\r' ? last - 1 : last);
        record.kind = Record::Row;
        record.line = m_line++;
        record.bytes = std::string_view(line, std::size_t(at + 1 - line));
        m_begin += record.bytes.size();
        return true;
    }
}

bool CsvReader::next(Record &record)
{
    if (!m_started)
        start();
    record.unclosed_quote = record.too_long = false;
    bool one_line = false;
    for (;;) {
        if (m_begin == m_end && !fill())
            return false;
        const char *buffer = m_buffer.data();
        if (m_raw) {
            const void *newline = std::memchr(buffer + m_begin, '\n', m_end - m_begin);
            const std::size_t stop = newline ? std::size_t(static_cast<const char *>(newline) - buffer) + 1 : m_end;
            record.kind = Record::Raw;
            record.line = m_line;
            record.bytes = std::string_view(buffer + m_begin, stop - m_begin);
            record.cells.clear();
            m_line += std::count(record.bytes.begin(), record.bytes.end(), '\n');
            m_raw = !newline;
            m_begin = stop;
            return true;
        }
        const std::string_view rest(buffer + m_begin, m_end - m_begin);
        if (rest.starts_with('\n') || rest.starts_with("\r\n") || (m_eof && rest == "\r")) {
            const std::size_t length = rest[0] == '\n' ? 1 : std::min<std::size_t>(2, rest.size());
            record = Record{Record::Blank, m_line, {}, rest.substr(0, length)};
            ++m_line;
            m_begin += length;
            return true;
        }
        if (read_plain_line(record))
            return true;
        std::size_t stop = 0;
        long lines = 0;
        const Parsed parsed =
            parse_record(buffer, m_begin, m_end, m_eof, m_dialect.separator, one_line, record, m_unquoted, stop, lines);
        if (parsed.complete) {
            record.kind = Record::Row;
            record.line = m_line;
            record.bytes = std::string_view(buffer + m_begin, stop - m_begin);
            record.unclosed_quote = parsed.literal_quote;
            m_line += lines;
            m_begin = stop;
            return true;
        }
        const bool room = m_end - m_begin < m_max_row;
        if (room && !m_eof) {
            fill();
            continue;
        }
        if (parsed.open_quote != std::string_view::npos && !one_line) {
            // Never closed, or closed beyond any row's length: a quote not
            // closed on its own line quotes nothing.
            one_line = true;
            continue;
        }
        // A line longer than a row may be: copied as it is, in pieces.
        record.kind = Record::Raw;
        record.line = m_line;
        record.too_long = true;
        record.cells.clear();
        record.bytes = rest;
        m_line += std::count(rest.begin(), rest.end(), '\n');
        m_raw = true;
        m_begin = m_end;
        return true;
    }
}

void CsvWriter::byte_order_mark(std::string &out) const
{
    if (m_dialect.bom)
        out += squad::byte_order_mark;
}

bool runs_as_formula(std::string_view text, char decimal_point)
{
    return !text.empty() && formula_start(text[0]) && !is_numeric(text, notation_with(decimal_point));
}

std::string_view unguarded(std::string_view cell, char decimal_point)
{
    if (cell.starts_with('\'') && runs_as_formula(cell.substr(1), decimal_point))
        return cell.substr(1);
    return cell;
}

void CsvWriter::cell(std::string &out, std::string_view text) const
{
    const bool guard = runs_as_formula(text, m_dialect.decimal_point);
    // A cell that starts with the byte-order mark would lose it at the start of a file.
    bool quote = guard || text.starts_with(squad::byte_order_mark);
    for (std::size_t i = 0; i < text.size() && !quote; ++i)
        quote = m_needs_quotes[static_cast<unsigned char>(text[i])];
    if (!quote) {
        out += text;
        return;
    }
    out += '"';
    if (guard)
        out += '\'';
    for (const char c : text) {
        if (c == '"')
            out += '"';
        out += c;
    }
    out += '"';
}

void CsvWriter::row(std::string &out, const std::vector<std::string_view> &cells) const
{
    if (cells.size() == 1 && cells[0].empty())
        out += "\"\""; // a row, not a blank line
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (i > 0)
            out += m_dialect.separator;
        cell(out, cells[i]);
    }
    end_line(out);
}

bool CsvWriter::row_from_line(std::string &out, std::string_view line, const std::vector<std::string_view> &read,
                              const std::vector<std::string_view> &cells) const
{
    // Without quotes the reader split the line at each separator, so a line
    // without a quote or a carriage return (and no line feed: it is one
    // line) holds its cells one separator apart, none of them to quote.
    if (read.empty() || read.size() > cells.size() || (cells.size() == 1 && cells[0].empty())
        || line.find('"') != std::string_view::npos || line.find('\r') != std::string_view::npos)
        return false;
    for (std::size_t i = 0; i < read.size(); ++i) {
        const std::string_view cell = read[i];
        if (cells[i].data() != cell.data() || cells[i].size() != cell.size())
            return false;
        if (!cell.empty() && may_change(cell[0])
            && (runs_as_formula(cell, m_dialect.decimal_point) || cell.starts_with(squad::byte_order_mark)))
            return false;
    }
    out += line;
    for (std::size_t i = read.size(); i < cells.size(); ++i) {
        out += m_dialect.separator;
        cell(out, cells[i]);
    }
    end_line(out);
    return true;
}

} // namespace vorlenta::squad
