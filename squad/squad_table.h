// SPDX-License-Identifier: MIT
#pragma once

// A squad held in memory, as the page keeps it while the coach types: the
// columns of the file (or those the coach chose), a row per athlete, the
// formula columns, and every computed cell kept up to date: an edit
// computes its own row again, nothing else. Cells are UTF-8 texts; numbers
// in them are written with the table's decimal separator.
//
// Bringing data in never loses what is there: an import that fails leaves
// the table as it was, and a paste only writes the cells it covers.

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "squad/problem.h"
#include "squad/squad_columns.h"

namespace vorlenta::squad {

class SquadTable {
public:
    // The decimal separator, '.' or ',', of the cells and of the files the
    // table exports (';' between the cells with ',').
    explicit SquadTable(char decimal_point, std::vector<std::string> columns = {"name"});

    // The columns the rows hold, which edits write, and all of them: these
    // and then the computed ones.
    const std::vector<std::string> &columns() const { return m_columns; }
    const std::vector<std::string> &header() const { return m_computer->header(); }
    std::size_t rows() const { return m_cells.size(); }
    // Any cell of header(); empty beyond the row.
    std::string_view cell(std::size_t row, std::size_t column) const;
    // What the last computation of the row found wrong (line = row + 1).
    const std::vector<Problem> &problems(std::size_t row) const { return m_problems.at(row); }
    // Faults of the formulas themselves (line 0).
    const std::vector<Problem> &formula_problems() const { return m_formula_problems; }

    // Writes a cell of columns() (rows are added up to it) and computes its row.
    void set_cell(std::size_t row, std::size_t column, std::string text);
    // Adds a column to columns() before the column `at` (at their end when
    // `at` is beyond them), and takes one away with its cells.
    void add_column(std::string name, std::size_t at = std::size_t(-1));
    void remove_column(std::size_t column);
    void remove_row(std::size_t row);
    void set_formulas(std::vector<FormulaDefinition> formulas);
    const std::vector<FormulaDefinition> &formulas() const { return m_formulas; }
    // Rows in the order of a column of header(): numbers by value, then
    // texts, then empty cells.
    void sort(std::size_t column, bool descending);

    // Tab-separated rows as spreadsheets copy them, written from the cell
    // (row, column) on; rows are added as needed up to max_rows in all,
    // cells beyond columns() dropped. The number of rows it wrote.
    std::size_t paste(std::string_view text, std::size_t row, std::size_t column,
                      std::size_t max_rows = std::size_t(-1));

    // Replaces the table by a CSV file (either dialect; its decimal separator
    // becomes the table's) with at most max_rows rows, max_columns columns
    // and max_cells cells in its rows (fewer rows for more columns). False, with the reason in `problems` and the table
    // as it was, for a file that is no CSV text: empty, not UTF-8, a line too long, too many rows or columns. The
    // problems of its cells do not stop it; they are added to `problems`. A column of the file that this table computes
    // (a calculator's result, a formula column) is left out when it holds
    // nothing but what is computed, as in a file the table exported; one
    // that holds anything else stays, and what differs is reported. A text
    // that the export kept from running as a formula comes back as it was.
    bool import_csv(std::string_view text, std::vector<Problem> &problems, std::size_t max_rows = 100000,
                    std::size_t max_columns = 10000, std::size_t max_cells = std::size_t(-1));
    // The whole table, as the command line writes it.
    std::string export_csv() const;
    // Replaces the table by these columns and rows, kept as they are but for
    // numbers, which are written with `decimal_point` and come to the table's.
    void restore(std::vector<std::string> columns, std::vector<std::vector<std::string>> rows, char decimal_point);

private:
    void rebuild();
    void compute(std::size_t row);
    void replace(std::vector<std::string> columns, std::vector<std::vector<std::string>> rows);
    // The columns of columns() that hold only what the table computes into
    // a column of the same name (or nothing).
    std::vector<std::size_t> computed_twice() const;
    // Writes a cell of columns(), adding rows up to it, without computing.
    void write(std::size_t row, std::size_t column, std::string text);

    char m_decimal_point;
    std::vector<std::string> m_columns;
    std::vector<FormulaDefinition> m_formulas;
    std::unique_ptr<SquadColumns> m_computer;
    std::vector<Problem> m_formula_problems;
    std::vector<std::vector<std::string>> m_cells;    // per row, those of columns()
    std::vector<std::vector<std::string>> m_computed; // per row, those of header()
    std::vector<std::vector<Problem>> m_problems;
};

} // namespace vorlenta::squad
