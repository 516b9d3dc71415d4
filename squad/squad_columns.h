// SPDX-License-Identifier: MIT
#pragma once

// The columns of one squad's table and what a row's output cells are: the
// file's own columns as they are, then the results of the calculators whose
// inputs are all columns of the file, then the coach's formula columns. A
// column the file has already keeps what it holds: an empty cell of it is
// filled, and one that differs from what is computed is kept and reported.
//
// Formula columns: NAME = EXPRESSION, evaluated for every row, with the
// row's cells as symbols by column name (letter case aside), each cell's
// number as it is written, and the earlier formula columns too. An empty cell
// leaves the result empty; a cell that is no number, and a fault of the
// evaluation, leave it empty and are reported. Numbers in the expression and
// in the result are written with the file's decimal separator.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "squad/formula.h"
#include "squad/problem.h"
#include "squad/row_calculator.h"

namespace vorlenta::squad {

struct FormulaDefinition {
    std::string name;
    std::string expression;
};

// The name by which columns match: without letter case and surrounding blanks.
std::string column_key(std::string_view name);

// "NAME = EXPRESSION", blanks around either allowed. Nothing, with the reason
// in `why`, when the name is missing or taken by a calculator's column or by
// an earlier definition in `earlier`, or the expression is missing.
std::optional<FormulaDefinition>
parse_formula_definition(std::string_view text, const std::vector<FormulaDefinition> &earlier, std::string &why);

// The number a cell holds, written with the notation's decimal separator;
// nothing for an empty cell or one that is no number.
std::optional<double> cell_number(std::string_view cell, const Notation &notation);
// The same for many cells: false, `value` unchanged, where the above is nothing.
bool cell_number(std::string_view cell, const Notation &notation, double &value);

class SquadColumns {
public:
    // Faults of the formulas (a syntax fault with its position, a name no
    // column has) are reported once, on the header's line.
    SquadColumns(const std::vector<std::string_view> &header, const std::vector<FormulaDefinition> &formulas,
                 char decimal_point, long header_line, std::vector<Problem> &problems);

    const std::vector<std::string> &header() const { return m_header; }
    const Notation &notation() const { return m_calculator.notation(); }
    std::size_t file_columns() const { return m_file_columns; }

    // The output cells of a row: views into `cells` and into this object,
    // valid until the next call. A row with more cells than the header keeps
    // the extra ones at its end.
    const std::vector<std::string_view> &compute(const std::vector<std::string_view> &cells, long line,
                                                 std::vector<Problem> &problems);

private:
    struct FormulaColumn {
        Formula formula;
        std::size_t column;               // where its result goes
        std::vector<std::size_t> symbols; // the column of each of the formula's symbols
        bool usable;                      // false after a fault of the formula itself
        std::string result;
    };

    void place(std::size_t column, std::string_view computed, long line, std::vector<Problem> &problems);
    void evaluate(FormulaColumn &formula, long line, std::vector<Problem> &problems);

    std::vector<std::string> m_header;
    std::size_t m_file_columns;
    std::array<std::optional<std::size_t>, input_count> m_inputs; // their columns in the file
    bool m_any_input = false;
    std::array<std::optional<std::size_t>, derived_count> m_derived; // their output columns
    RowCalculator::Wanted m_wanted;
    std::array<std::string, input_count> m_input_names; // as the file writes them
    RowCalculator m_calculator;
    RowCalculator::Derived m_derived_cells;
    std::vector<FormulaColumn> m_formulas;
    std::vector<std::string_view> m_out;
    std::vector<double> m_values;
};

} // namespace vorlenta::squad
