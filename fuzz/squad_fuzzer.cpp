// SPDX-License-Identifier: MIT
// Fuzzes a squad's file through the CSV reader, the calculators and the
// formula columns. The first byte picks the decimal separator, the formulas
// and how long a row may be; the rest is the file.
//
// Beyond crashes, leaks and undefined behaviour it checks what the squad
// promises: every row comes out, and every cell the file holds comes out
// unchanged (or after the apostrophe that keeps a formula text) in its place.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "squad/squad_stream.h"

namespace {

using namespace vorlenta::squad;

void check(bool condition)
{
    if (!condition)
        std::abort();
}

std::vector<std::vector<std::string>> rows_of(std::string_view text, std::optional<char> separator,
                                              std::size_t max_row_bytes, bool &raw)
{
    TextSource source(text);
    CsvReader reader(source, separator, max_row_bytes);
    std::vector<std::vector<std::string>> rows;
    Record record;
    while (reader.next(record)) {
        raw = raw || record.kind == Record::Raw;
        rows.emplace_back(record.cells.begin(), record.cells.end());
    }
    return rows;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const std::uint8_t choice = data[0];
    const std::string_view file(reinterpret_cast<const char *>(data + 1), size - 1);

    StreamOptions options;
    if (choice & 1)
        options.decimal_point = (choice & 2) ? ',' : '.';
    const char *formulas[] = {"s = a+b*body_mass", "t=s/(one_rm-a)^2", "u=S(t)+L(power)-E(%grade)"};
    for (int i = 0; i < 3; ++i) {
        std::string why;
        if (choice & (4 << i))
            options.formulas.push_back(*parse_formula_definition(formulas[i], options.formulas, why));
    }
    options.max_row_bytes = (choice & 32) ? 64 : 8192; // inputs stay below 4096 bytes

    TextSource source(file);
    SquadStream stream(source, options);
    std::string out;
    std::vector<Problem> problems;
    bool raw = false; // a line too long to hold is copied as it is, whatever it holds
    while (stream.next(out, problems) != SquadStream::Output::End)
        for (const Problem &problem : problems) {
            check(!problem.message.empty());
            raw = raw || problem.message.starts_with("a line longer than");
        }

    // The file as the stream read it; its output, whose quotes are all
    // closed, at any length (quoting at most triples a row).
    const auto input = rows_of(file, std::nullopt, options.max_row_bytes, raw);
    const auto output = rows_of(out, stream.dialect().separator, std::size_t(1) << 16, raw);
    if (raw)
        return 0;
    check(input.size() == output.size());
    std::size_t width = 0; // the header's: the first row's, a blank line has no cells
    for (std::size_t r = 0; r < input.size() && width == 0; ++r)
        width = input[r].size();
    for (std::size_t r = 0; r < input.size(); ++r) {
        check(output[r].size() >= input[r].size());
        for (std::size_t c = 0; c < input[r].size(); ++c) {
            const std::string &cell = input[r][c];
            // Cells beyond the header's come after the computed ones.
            const std::string &out = c < width ? output[r][c] : output[r][output[r].size() - input[r].size() + c];
            // A blank cell of a computed column may be filled.
            check(cell.find_first_not_of(" \t") == std::string::npos || out == cell || out == "'" + cell);
        }
    }
    return 0;
}
