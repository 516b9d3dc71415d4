// SPDX-License-Identifier: MIT
#include "squad/squad_table.h"

#include <algorithm>
#include <numeric>
#include <optional>

#include "fields/number_format.h"
#include "squad/cells.h"
#include "squad/csv.h"

namespace vorlenta::squad {
namespace {

// A number written with the other decimal separator, for a file whose
// separator is not the table's; any other text as it is.
std::string in_notation(std::string_view cell, char from, char to)
{
    std::string text(cell);
    if (from != to && is_numeric(cell, notation_with(from)))
        std::replace(text.begin(), text.end(), from, to);
    return text;
}

} // namespace

SquadTable::SquadTable(char decimal_point, std::vector<std::string> columns)
    : m_decimal_point(decimal_point), m_columns(std::move(columns))
{
    rebuild();
}

std::string_view SquadTable::cell(std::size_t row, std::size_t column) const
{
    if (row >= m_computed.size() || column >= m_computed[row].size())
        return {};
    return m_computed[row][column];
}

void SquadTable::rebuild()
{
    m_formula_problems.clear();
    const std::vector<std::string_view> names(m_columns.begin(), m_columns.end());
    m_computer = std::make_unique<SquadColumns>(names, m_formulas, m_decimal_point, 0, m_formula_problems);
    for (std::size_t row = 0; row < m_cells.size(); ++row)
        compute(row);
}

void SquadTable::compute(std::size_t row)
{
    m_problems[row].clear();
    const std::vector<std::string_view> cells(m_cells[row].begin(), m_cells[row].end());
    const std::vector<std::string_view> &out = m_computer->compute(cells, long(row) + 1, m_problems[row]);
    m_computed[row].assign(out.begin(), out.end());
}

void SquadTable::set_cell(std::size_t row, std::size_t column, std::string text)
{
    if (column >= m_columns.size())
        return;
    write(row, column, std::move(text));
    compute(row);
}

void SquadTable::write(std::size_t row, std::size_t column, std::string text)
{
    if (row >= m_cells.size()) {
        const std::size_t first_new = m_cells.size();
        m_cells.resize(row + 1, std::vector<std::string>(m_columns.size()));
        m_computed.resize(row + 1);
        m_problems.resize(row + 1);
        for (std::size_t added = first_new; added < row; ++added)
            compute(added);
    }
    m_cells[row].resize(std::max(m_cells[row].size(), m_columns.size()));
    m_cells[row][column] = std::move(text);
}

void SquadTable::add_column(std::string name, std::size_t at)
{
    at = std::min(at, m_columns.size());
    m_columns.insert(m_columns.begin() + std::ptrdiff_t(at), std::move(name));
    for (std::vector<std::string> &cells : m_cells) {
        cells.resize(std::max(cells.size(), m_columns.size() - 1));
        cells.insert(cells.begin() + std::ptrdiff_t(at), std::string());
    }
    rebuild();
}

void SquadTable::remove_column(std::size_t column)
{
    if (column >= m_columns.size())
        return;
    m_columns.erase(m_columns.begin() + std::ptrdiff_t(column));
    for (std::vector<std::string> &cells : m_cells)
        if (column < cells.size())
            cells.erase(cells.begin() + std::ptrdiff_t(column));
    rebuild();
}

void SquadTable::remove_row(std::size_t row)
{
    if (row >= m_cells.size())
        return;
    m_cells.erase(m_cells.begin() + std::ptrdiff_t(row));
    m_computed.erase(m_computed.begin() + std::ptrdiff_t(row));
    m_problems.erase(m_problems.begin() + std::ptrdiff_t(row));
}

void SquadTable::set_formulas(std::vector<FormulaDefinition> formulas)
{
    m_formulas = std::move(formulas);
    rebuild();
}

void SquadTable::sort(std::size_t column, bool descending)
{
    const Notation &notation = m_computer->notation();
    std::vector<std::size_t> order(m_cells.size());
    std::iota(order.begin(), order.end(), 0);
    // Numbers first, by value; then texts; empty cells last, either way.
    const auto rank = [&](std::size_t row) {
        const std::string_view text = cell(row, column);
        const std::optional<double> number = cell_number(text, notation);
        return std::tuple(text.empty(), !number, number.value_or(0.0), text);
    };
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        const auto left = rank(a), right = rank(b);
        if (std::get<0>(left) != std::get<0>(right))
            return !std::get<0>(left);
        return descending ? right < left : left < right;
    });
    const auto reorder = [&](auto &rows) {
        std::remove_reference_t<decltype(rows)> sorted;
        for (const std::size_t row : order)
            sorted.push_back(std::move(rows[row]));
        rows = std::move(sorted);
    };
    reorder(m_cells);
    reorder(m_computed);
    reorder(m_problems);
}

std::size_t SquadTable::paste(std::string_view text, std::size_t row, std::size_t column, std::size_t max_rows)
{
    TextSource source(text);
    CsvReader reader(source, '\t');
    Record record;
    std::size_t at = row;
    for (; at < max_rows && reader.next(record) && column < m_columns.size(); ++at) {
        for (std::size_t i = 0; i < record.cells.size() && column + i < m_columns.size(); ++i)
            write(at, column + i, std::string(record.cells[i]));
        compute(at);
    }
    return at - std::min(at, row);
}

bool SquadTable::import_csv(std::string_view text, std::vector<Problem> &problems, std::size_t max_rows,
                            std::size_t max_columns, std::size_t max_cells)
{
    TextSource source(text);
    CsvReader reader(source);
    Record record;
    std::vector<std::vector<std::string>> rows;
    std::vector<std::string> columns;
    const auto refuse = [&](long line, std::string why) {
        problems.push_back({line, {}, std::move(why)});
        return false;
    };
    while (reader.next(record)) {
        if (record.kind == Record::Raw)
            return refuse(record.line, "a line longer than " + std::to_string(reader.max_row_bytes()) + " bytes");
        if (!is_text(record.bytes))
            return refuse(record.line, "not UTF-8 text: is this a CSV file?");
        if (record.kind == Record::Blank)
            continue;
        if (record.unclosed_quote)
            problems.push_back({record.line, {}, "a quote that is not closed: it is kept as a character of its cell"});
        std::vector<std::string> cells;
        for (const std::string_view cell : record.cells)
            cells.push_back(in_notation(unguarded(cell, reader.dialect().decimal_point), reader.dialect().decimal_point,
                                        m_decimal_point));
        if (columns.empty() && cells.size() > max_columns)
            return refuse(record.line, "more than " + std::to_string(max_columns) + " columns");
        if (columns.empty()) {
            columns = std::move(cells);
            max_rows = std::min(max_rows, max_cells / columns.size());
        } else if (rows.size() == max_rows)
            return refuse(record.line, "more than " + std::to_string(max_rows) + " rows");
        else
            rows.push_back(std::move(cells));
    }
    if (columns.empty())
        return refuse(0, "no header: the file is empty");

    replace(std::move(columns), std::move(rows));
    const std::vector<std::size_t> computed = computed_twice();
    for (auto column = computed.rbegin(); column != computed.rend(); ++column)
        remove_column(*column);
    for (const std::vector<Problem> &row : m_problems)
        problems.insert(problems.end(), row.begin(), row.end());
    return true;
}

void SquadTable::replace(std::vector<std::string> columns, std::vector<std::vector<std::string>> rows)
{
    m_columns = std::move(columns);
    m_cells = std::move(rows);
    m_computed.assign(m_cells.size(), {});
    m_problems.assign(m_cells.size(), {});
    rebuild();
}

std::vector<std::size_t> SquadTable::computed_twice() const
{
    // The columns whose names the computation writes, and the table without
    // them, which computes them all.
    std::vector<std::size_t> candidates;
    std::vector<std::string_view> others;
    const auto computes = [&](const std::string &key) {
        for (const DerivedColumn &derived : derived_columns)
            if (key == derived.name)
                return true;
        for (const FormulaDefinition &formula : m_formulas)
            if (key == column_key(formula.name))
                return true;
        return false;
    };
    for (std::size_t c = 0; c < m_columns.size(); ++c) {
        if (computes(column_key(m_columns[c])))
            candidates.push_back(c);
        else
            others.push_back(m_columns[c]);
    }
    if (candidates.empty())
        return {};
    std::vector<Problem> ignored;
    SquadColumns without(others, m_formulas, m_decimal_point, 0, ignored);
    // Where each candidate's computed cells are, if it is computed at all.
    std::vector<std::optional<std::size_t>> computed_at;
    for (const std::size_t c : candidates) {
        const auto &header = without.header();
        const auto found =
            std::find_if(header.begin() + std::ptrdiff_t(others.size()), header.end(),
                         [&](const std::string &name) { return column_key(name) == column_key(m_columns[c]); });
        computed_at.push_back(found == header.end() ? std::nullopt
                                                    : std::optional(std::size_t(found - header.begin())));
    }
    std::vector<std::string_view> cells;
    for (const std::vector<std::string> &row : m_cells) {
        cells.clear();
        for (std::size_t c = 0, next = 0; c < row.size(); ++c) {
            if (next < candidates.size() && candidates[next] == c)
                ++next;
            else
                cells.push_back(row[c]);
        }
        ignored.clear();
        const std::vector<std::string_view> &out = without.compute(cells, 0, ignored);
        for (std::size_t i = 0; i < candidates.size(); ++i) {
            const std::string_view held = candidates[i] < row.size() ? trimmed(row[candidates[i]]) : std::string_view();
            if (computed_at[i] && !held.empty() && held != out[*computed_at[i]])
                computed_at[i] = std::nullopt;
        }
    }
    std::vector<std::size_t> twice;
    for (std::size_t i = 0; i < candidates.size(); ++i)
        if (computed_at[i])
            twice.push_back(candidates[i]);
    return twice;
}

void SquadTable::restore(std::vector<std::string> columns, std::vector<std::vector<std::string>> rows,
                         char decimal_point)
{
    for (std::vector<std::string> &row : rows)
        for (std::string &cell : row)
            cell = in_notation(cell, decimal_point, m_decimal_point);
    replace(std::move(columns), std::move(rows));
}

std::string SquadTable::export_csv() const
{
    Dialect dialect;
    dialect.decimal_point = m_decimal_point;
    dialect.separator = m_decimal_point == ',' ? ';' : ',';
    const CsvWriter writer(dialect);
    std::string out;
    writer.row(out, std::vector<std::string_view>(header().begin(), header().end()));
    for (const std::vector<std::string> &row : m_computed)
        writer.row(out, std::vector<std::string_view>(row.begin(), row.end()));
    return out;
}

} // namespace vorlenta::squad
