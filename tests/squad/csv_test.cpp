// SPDX-License-Identifier: MIT
// The CSV reader and writer: RFC 4180 as spreadsheets write it, both
// dialects, and every byte of a bad file kept.

#include <gtest/gtest.h>

#include "squad/csv.h"

namespace vorlenta::squad {
namespace {

// The records of a text, one a line: "LINE cell|cell", "LINE blank", or
// "LINE raw BYTES" for a long line (its pieces counted together).
std::string records_of(const std::string &text, std::size_t max_row_bytes)
{
    TextSource source(text);
    CsvReader reader(source, std::nullopt, max_row_bytes);
    std::string dump;
    Record record;
    std::size_t raw = 0;
    while (reader.next(record)) {
        if (record.kind == Record::Raw && !record.too_long) {
            raw += record.bytes.size();
            continue;
        }
        if (raw > 0)
            dump += " raw " + std::to_string(raw) + "\n";
        raw = record.kind == Record::Raw ? record.bytes.size() : 0;
        dump += std::to_string(record.line);
        if (record.kind == Record::Blank)
            dump += " blank\n";
        if (record.kind != Record::Row)
            continue;
        for (std::size_t i = 0; i < record.cells.size(); ++i)
            dump += (i == 0 ? " " : "|") + std::string(record.cells[i]);
        dump += record.unclosed_quote ? " (unclosed)\n" : "\n";
    }
    return raw > 0 ? dump + " raw " + std::to_string(raw) + "\n" : dump;
}

TEST(CsvReader, ReadsRowsAndKeepsEveryByte)
{
    const std::string long_line(300000, 'x');
    const struct {
        const char *name;
        std::string text;
        std::string records;
        std::size_t max_row = std::size_t(1) << 20;
    } rows[] = {
        {"quotes, doubled quotes, line breaks in a cell", "n,x\n\"a,b\",\"say \"\"hi\"\"\"\n\"two\nlines\",3\n4,5\n",
         "1 n|x\n2 a,b|say \"hi\"\n3 two\nlines|3\n5 4|5\n"},
        {"CRLF, an empty last cell", "a,b\r\n1,\r\n\"q\"\r\n", "1 a|b\n2 1|\n3 q\n"},
        {"byte-order mark, ';', no final line end",
         "\xEF\xBB\xBF"
         "a;b\n1,5;2",
         "1 a|b\n2 1,5|2\n"},
        {"blank lines stay", "a\n\n\r\n1\n", "1 a\n2 blank\n3 blank\n4 1\n"},
        {"text after a closing quote stays in the cell", "a\n\"x\"y,z\n", "1 a\n2 xy|z\n"},
        {"a quote never closed quotes nothing", "a,b\n\"x,1\n2,3\n", "1 a|b\n2 \"x|1 (unclosed)\n3 2|3\n"},
        {"a line longer than a row may be comes as it is", "a\n" + long_line + "\n1\n", "1 a\n2 raw 300001\n3 1\n",
         1000},
        {"so does a quote open beyond it", "a\n\"" + long_line + "\n1\n", "1 a\n2 raw 300002\n3 1\n", 1000},
    };
    for (const auto &row : rows)
        EXPECT_EQ(records_of(row.text, row.max_row), row.records) << row.name;
}

TEST(CsvReader, TakesTheDialectFromTheHeader)
{
    const struct {
        const char *header;
        Dialect dialect;
    } rows[] = {
        {"a,b;c\n", {',', '.', false, false}},       {"a;b;c,d\r\n", {';', ',', true, false}},
        {"\"x;y;z\",b\n", {',', '.', false, false}}, {"a\tb\n", {'\t', '.', false, false}},
        {"name\n", {',', '.', false, false}},
    };
    for (const auto &row : rows)
        EXPECT_EQ(dialect_of(row.header), row.dialect) << row.header;
}

TEST(CsvWriter, QuotesWhatNeedsItAndKeepsFormulasText)
{
    const struct {
        char separator, decimal_point;
        std::vector<std::string_view> cells;
        const char *line;
    } rows[] = {
        {',',
         '.',
         {"plain", "a,b", "say \"hi\"", "two\nlines", "a;b"},
         "plain,\"a,b\",\"say \"\"hi\"\"\",\"two\nlines\",a;b\n"},
        {',',
         '.',
         {"=1+2", "+x", "@SUM(A1)", "-abc", "\tx", "-5", "+1e3", "-"},
         "\"'=1+2\",\"'+x\",\"'@SUM(A1)\",\"'-abc\",\"'\tx\",-5,+1e3,\"'-\"\n"},
        {';', ',', {"-1,5", "-1.5", "a;b"}, "-1,5;\"'-1.5\";\"a;b\"\n"},
    };
    for (const auto &row : rows) {
        std::string out;
        CsvWriter({row.separator, row.decimal_point, false, false}).row(out, row.cells);
        EXPECT_EQ(out, row.line);
    }
}

} // namespace
} // namespace vorlenta::squad
