// SPDX-License-Identifier: MIT
#pragma once

// CSV as RFC 4180 has it and spreadsheets write it: rows of cells split by a
// separator, a cell in double quotes when it holds the separator, a quote or
// a line break, a quote inside doubled. Two dialects: ',' with decimal
// points, and ';' with decimal commas, as spreadsheets write in the locales
// that have them; a tab between cells is what a spreadsheet copies.
//
// The reader takes its bytes from a source a piece at a time, so that a file
// of any size passes through in constant memory, and never loses a byte:
// - a quote that is never closed (by the end of the input, or within the
//   most bytes a row may take) quotes nothing: its cell runs to the end of
//   its line, the quote included, and reading goes on with the next line;
// - a line longer than a row may be comes in pieces, as it is (Record::Raw).

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vorlenta::squad {

struct Dialect {
    char separator = ',';
    char decimal_point = '.';
    bool crlf = false; // lines end in "\r\n" rather than "\n"
    bool bom = false;  // the text starts with the byte-order mark

    bool operator==(const Dialect &) const = default;
};

// The dialect of a file whose first line is this: its separator is the one
// of ',', ';' and tab that the line, outside quotes, holds most of (',' when
// it holds none), and ';' brings decimal commas.
Dialect dialect_of(std::string_view first_line);

// Whether the bytes are text: valid UTF-8 without a NUL byte.
bool is_text(std::string_view bytes);

class ByteSource {
public:
    virtual ~ByteSource() = default;
    // Up to `size` bytes; 0 at the end (or after a failure the source keeps).
    virtual std::size_t read(char *into, std::size_t size) = 0;
};

// All of a text held in memory.
class TextSource : public ByteSource {
public:
    explicit TextSource(std::string_view text) : m_text(text) {}
    std::size_t read(char *into, std::size_t size) override;

private:
    std::string_view m_text;
};

struct Record {
    enum Kind {
        Row,   // cells
        Blank, // an empty line
        Raw,   // a piece of a line too long to hold, copied as it is
    };
    Kind kind = Row;
    long line = 0; // 1-based; where the row starts
    std::vector<std::string_view> cells;
    std::string_view bytes;      // the row as it stands in the input, its line end included
    bool unclosed_quote = false; // a quote opened on this row's last line is not closed
    bool too_long = false;       // the first piece of a Raw line
};

class CsvReader {
public:
    // Rows longer than max_row_bytes come as Raw pieces. The separator is
    // read from the first line unless given.
    explicit CsvReader(ByteSource &source, std::optional<char> separator = std::nullopt,
                       std::size_t max_row_bytes = std::size_t(1) << 20);

    // The next record, valid until the next call; false at the end of the input.
    bool next(Record &record);

    // Known once the first record is read.
    const Dialect &dialect() const { return m_dialect; }
    std::size_t max_row_bytes() const { return m_max_row; }

private:
    bool fill(); // reads more; false when nothing more came
    bool parse(Record &record, bool closing_quotes);
    bool read_plain_line(Record &record); // false where the line is not at hand or holds a quote
    void start();

    ByteSource &m_source;
    std::optional<char> m_separator;
    std::size_t m_max_row;
    std::size_t m_chunk; // read at a time
    std::vector<char> m_buffer;
    std::size_t m_begin = 0, m_end = 0;
    bool m_eof = false;
    bool m_started = false;
    bool m_raw = false; // copying a long line up to its end
    long m_line = 1;
    std::string m_unquoted; // the quoted cells of the record, unescaped
    Dialect m_dialect;
};

// Whether a spreadsheet would run the text as a formula: a text that is no
// number and starts with '=', '+', '-', '@', a tab or a carriage return.
bool runs_as_formula(std::string_view text, char decimal_point);
// A cell that the writer kept from running as a formula, as it was before:
// "'=1+2" is "=1+2"; any other cell as it is.
std::string_view unguarded(std::string_view cell, char decimal_point);

// Writes rows in a dialect. A cell is quoted when it holds the separator, a
// quote or a line break. A text that a spreadsheet would run as a formula
// (runs_as_formula) is written after an apostrophe, in quotes, so that it
// stays text: "'=1+2". A number such as -5 is written as it is.
class CsvWriter {
public:
    explicit CsvWriter(Dialect dialect) : m_dialect(dialect)
    {
        for (const char c : {m_dialect.separator, '"', '\n', '\r'})
            m_needs_quotes[static_cast<unsigned char>(c)] = true;
    }

    const Dialect &dialect() const { return m_dialect; }
    void byte_order_mark(std::string &out) const;
    void row(std::string &out, const std::vector<std::string_view> &cells) const;
    // Writes the row as row() does, copying the bytes of `line` for the
    // cells that are those `read` from it: `line` is an input line without
    // its line end, `read` its cells as the reader found them, and `cells`
    // starts with them. False, with nothing written, where row() would write
    // them otherwise (a quote, a carriage return, a formula to keep as text).
    bool row_from_line(std::string &out, std::string_view line, const std::vector<std::string_view> &read,
                       const std::vector<std::string_view> &cells) const;
    void cell(std::string &out, std::string_view text) const;
    void end_line(std::string &out) const { out += m_dialect.crlf ? "\r\n" : "\n"; }

private:
    Dialect m_dialect;
    std::array<bool, 256> m_needs_quotes{}; // the bytes that make a cell quoted
};

} // namespace vorlenta::squad
