// SPDX-License-Identifier: MIT
#include "squad/squad_stream.h"

namespace vorlenta::squad {
namespace {

// A row's bytes without the line end, whose carriage return no cell keeps.
std::string_view line_of(std::string_view bytes)
{
    if (bytes.ends_with('\n'))
        bytes.remove_suffix(1);
    if (bytes.ends_with('\r'))
        bytes.remove_suffix(1);
    return bytes;
}

} // namespace

SquadStream::SquadStream(ByteSource &source, StreamOptions options)
    : m_reader(source, std::nullopt, options.max_row_bytes), m_options(std::move(options))
{
}

SquadStream::Output SquadStream::next(std::string &out, std::vector<Problem> &problems)
{
    if (!m_reader.next(m_record))
        return Output::End;
    if (!m_writer) {
        m_dialect = m_reader.dialect();
        if (m_options.decimal_point)
            m_dialect.decimal_point = *m_options.decimal_point;
        m_writer.emplace(m_dialect);
        m_writer->byte_order_mark(out);
    }
    const Record &record = m_record;
    if (record.kind == Record::Raw) {
        if (record.too_long)
            problems.push_back({record.line,
                                {},
                                "a line longer than " + std::to_string(m_reader.max_row_bytes())
                                    + " bytes: copied as it is, without computed cells"});
        out += record.bytes;
        return Output::Row;
    }
    if (record.kind == Record::Blank) {
        out += record.bytes;
        return Output::Row;
    }
    if (!is_text(record.bytes))
        problems.push_back({record.line, {}, "not UTF-8 text: is this a CSV file?"});
    if (record.unclosed_quote)
        problems.push_back({record.line, {}, "a quote that is not closed: it is kept as a character of its cell"});

    if (!m_columns) {
        m_columns.emplace(record.cells, m_options.formulas, m_dialect.decimal_point, record.line, problems);
        const std::vector<std::string> &names = m_columns->header();
        const std::vector<std::string_view> header(names.begin(), names.end());
        m_writer->row(out, header);
        return Output::Header;
    }
    const std::vector<std::string_view> &cells = m_columns->compute(record.cells, record.line, problems);
    if (!m_writer->row_from_line(out, line_of(record.bytes), record.cells, cells))
        m_writer->row(out, cells);
    return Output::Row;
}

} // namespace vorlenta::squad
