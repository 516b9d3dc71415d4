// SPDX-License-Identifier: MIT
#pragma once

// A squad's CSV through the calculators and the formula columns, a record at
// a time, in constant memory: the header comes out with the new columns, each
// row with its computed cells, in the file's own dialect (separator, line
// ends, byte-order mark). Every byte of the input comes out again: blank
// lines as they are, a row with too many cells with all of them, a line too
// long to hold copied as it is.

#include <optional>
#include <string>
#include <vector>

#include "squad/csv.h"
#include "squad/problem.h"
#include "squad/squad_columns.h"

namespace vorlenta::squad {

struct StreamOptions {
    std::vector<FormulaDefinition> formulas;
    std::optional<char> decimal_point;                // the file's own (',' after ';') unless given
    std::size_t max_row_bytes = std::size_t(1) << 20; // a longer line is copied as it is
};

class SquadStream {
public:
    SquadStream(ByteSource &source, StreamOptions options);

    enum class Output { End, Header, Row };
    // Reads the next record and appends what it becomes to `out`, and the
    // problems found in it to `problems`.
    Output next(std::string &out, std::vector<Problem> &problems);

    // Known after the first call of next().
    const Dialect &dialect() const { return m_dialect; }

private:
    CsvReader m_reader;
    StreamOptions m_options;
    Dialect m_dialect;
    std::optional<CsvWriter> m_writer;
    std::optional<SquadColumns> m_columns;
    Record m_record;
};

} // namespace vorlenta::squad
