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
    void add_column(std::string name);
    void set_formulas(std::vector<FormulaDefinition> formulas);
    // Rows in the order of a column of header(): numbers by value, then
    // texts, then empty cells.
    void sort(std::size_t column, bool descending);

    // Tab-separated rows as spreadsheets copy them, written from the cell
    // (row, column) on; rows are added as needed, cells beyond columns() dropped.
    void paste(std::string_view text, std::size_t row, std::size_t column);

    // Replaces the table by a CSV file (either dialect; its decimal separator
    // becomes the table's) with at most max_rows rows. False, with the
    // reason in `problems` and the table as it was, for a file that is no
    // CSV text: empty, not UTF-8, a line too long, too many rows. The
    // problems of its cells do not stop it; they are added to `problems`.
    bool import_csv(std::string_view text, std::vector<Problem> &problems, std::size_t max_rows = 100000);
    // The whole table, as the command line writes it.
    std::string export_csv() const;

private:
    void rebuild();
    void compute(std::size_t row);
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
