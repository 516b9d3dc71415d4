// SPDX-License-Identifier: MIT
// The squad as the page's squad view reaches it: plain functions over row and
// column numbers and UTF-8 texts, exported from a WebAssembly module of its
// own, so that the calculators' module stays small for a first visit.
//
// Texts cross through two buffers: the page writes into the incoming one
// (vs_incoming), and a function that answers with text leaves it in the
// outgoing one, whose length vs_length() gives. A list of texts has a NUL
// after each: no cell holds one (the page takes NULs out of what it hands in,
// and a file with one is no text). Rows and columns count from 0.

#include <algorithm>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <emscripten/emscripten.h>

#include <vorlenta/eval/value_stack.h>

#include "eval/fault_words.h"
#include "fields/field_table.h"
#include "squad/cells.h"
#include "squad/columns.h"
#include "squad/csv.h"
#include "squad/squad_table.h"

namespace {

using namespace vorlenta;
using namespace vorlenta::squad;

// The most the page takes in: a squad it shows whole and keeps smooth.
constexpr std::size_t max_rows = 5000;
constexpr std::size_t max_columns = 200;
// The most cells the rows hold, a file's or a paste's: max_rows athletes of
// 26 columns, fewer of more. The page shows every cell: a file of 200
// columns and max_rows rows froze it for twenty seconds.
constexpr std::size_t max_cells = max_rows * 26;

struct Squad {
    explicit Squad(char decimal_point, std::vector<std::string> columns)
        : table(decimal_point, std::move(columns)), decimal_point(decimal_point)
    {
    }

    SquadTable table;
    char decimal_point;
    // The formulas as the coach wrote them, and why each one that the table
    // does not hold is not there (empty for those it holds).
    std::vector<std::string> definitions;
    std::vector<std::string> refusals;
};

std::unique_ptr<Squad> current;
std::string incoming;
std::string outgoing;

// The texts of the incoming buffer, each ended by a NUL.
std::vector<std::string> incoming_texts()
{
    std::vector<std::string> texts;
    for (std::size_t at = 0; at < incoming.size();) {
        const std::size_t end = incoming.find('\0', at);
        if (end == std::string::npos)
            break;
        texts.emplace_back(incoming, at, end - at);
        at = end + 1;
    }
    return texts;
}

const char *answer(std::string text)
{
    outgoing = std::move(text);
    return outgoing.c_str();
}

void add_text(std::string &list, std::string_view text)
{
    list += text;
    list += '\0';
}

const char *answer_problems(const std::vector<Problem> &problems)
{
    std::string list;
    for (const Problem &problem : problems) {
        add_text(list, problem.line > 0 ? std::to_string(problem.line) : std::string());
        add_text(list, problem.column);
        add_text(list, problem.message);
    }
    return answer(std::move(list));
}

bool is_row(int row)
{
    return current && row >= 0 && std::size_t(row) < current->table.rows();
}

bool is_column(int column)
{
    return current && column >= 0 && std::size_t(column) < current->table.columns().size();
}

// The calculators' column of that name.
std::optional<Field> field_of(std::string_view name)
{
    const std::string key = column_key(name);
    for (const InputColumn &input : input_columns)
        if (key == input.name)
            return input.field;
    for (const DerivedColumn &derived : derived_columns)
        if (key == derived.name)
            return derived.field;
    return std::nullopt;
}

bool is_input_name(std::string_view key)
{
    for (const InputColumn &input : input_columns)
        if (key == input.name)
            return true;
    return false;
}

// Whether a column of the table, or a calculators' result column, is named so.
bool is_taken(std::string_view name)
{
    const std::string key = column_key(name);
    for (const std::string &column : current->table.columns())
        if (column_key(column) == key)
            return true;
    return field_of(name) && !is_input_name(key);
}

// Gives the table the formulas that it can hold, and keeps why the others
// are not there.
void apply_formulas()
{
    std::vector<FormulaDefinition> accepted;
    current->refusals.clear();
    for (const std::string &text : current->definitions) {
        std::string why;
        std::optional<FormulaDefinition> definition = parse_formula_definition(text, accepted, why);
        if (definition && is_taken(definition->name)) {
            why = definition->name + " is a column of the squad";
            definition.reset();
        }
        // A text longer than the evaluator's stack cannot be read, and the
        // fault it raises on the way needs exceptions, which this module has not.
        if (definition && definition->expression.size() > std::size_t(CStack::MaxValues)) {
            why = fault_words(eval_errors::ExpressionTooLong).description;
            definition.reset();
        }
        current->refusals.push_back(definition ? std::string() : why);
        if (definition)
            accepted.push_back(std::move(*definition));
    }
    current->table.set_formulas(std::move(accepted));
}

} // namespace

extern "C" {

// A buffer of at least size bytes for the page to write into.
EMSCRIPTEN_KEEPALIVE char *vs_incoming(int size)
{
    incoming.assign(std::size_t(size > 0 ? size : 0), '\0');
    return incoming.data();
}

// The last text answered, and its length.
EMSCRIPTEN_KEEPALIVE const char *vs_answer()
{
    return outgoing.c_str();
}

EMSCRIPTEN_KEEPALIVE int vs_length()
{
    return int(outgoing.size());
}

// Starts an empty squad with the columns in the buffer, its numbers written
// with this decimal point.
EMSCRIPTEN_KEEPALIVE void vs_start(int decimal_point)
{
    current = std::make_unique<Squad>(decimal_point == ',' ? ',' : '.', incoming_texts());
}

// The squad as the page kept it: the buffer holds the columns, then the
// cells row by row, numbers written with decimal_point; then the formulas.
EMSCRIPTEN_KEEPALIVE void vs_restore(int columns, int rows, int decimal_point)
{
    if (!current || columns < 0 || rows < 0)
        return;
    std::vector<std::string> texts = incoming_texts();
    const std::size_t width = std::size_t(columns);
    if (texts.size() < width * (std::size_t(rows) + 1))
        return;
    auto at = texts.begin();
    std::vector<std::string> names(at, at + std::ptrdiff_t(width));
    at += std::ptrdiff_t(width);
    std::vector<std::vector<std::string>> cells;
    for (int row = 0; row < rows; ++row, at += std::ptrdiff_t(width))
        cells.emplace_back(at, at + std::ptrdiff_t(width));
    current->definitions.assign(at, texts.end());
    current->table.restore(std::move(names), std::move(cells), decimal_point == ',' ? ',' : '.');
    apply_formulas();
}

EMSCRIPTEN_KEEPALIVE int vs_rows()
{
    return current ? int(current->table.rows()) : 0;
}

// How many columns the rows hold; those of the header after them are computed.
EMSCRIPTEN_KEEPALIVE int vs_columns()
{
    return current ? int(current->table.columns().size()) : 0;
}

// The names of all columns.
EMSCRIPTEN_KEEPALIVE const char *vs_header()
{
    std::string list;
    if (current)
        for (const std::string &name : current->table.header())
            add_text(list, name);
    return answer(std::move(list));
}

// The field of the window whose text a calculators' column holds; 0 for
// any other column.
EMSCRIPTEN_KEEPALIVE int vs_field(int column)
{
    if (!current || column < 0 || std::size_t(column) >= current->table.header().size())
        return 0;
    const std::optional<Field> field = field_of(current->table.header()[std::size_t(column)]);
    return field ? int(index_of(*field)) + 1 : 0;
}

// The most characters the window's field takes for an input column; 0 for
// a column without a limit.
EMSCRIPTEN_KEEPALIVE int vs_limit(int column)
{
    if (!is_column(column) || !is_input_name(column_key(current->table.columns()[std::size_t(column)])))
        return 0;
    return entry_of(*field_of(current->table.columns()[std::size_t(column)])).max_length;
}

// The calculators' input columns, in the order a coach measures them: the
// name of each and the number of its field.
EMSCRIPTEN_KEEPALIVE const char *vs_inputs()
{
    std::string list;
    for (const InputColumn &input : input_columns) {
        add_text(list, input.name);
        add_text(list, std::to_string(index_of(input.field) + 1));
    }
    return answer(std::move(list));
}

// Every cell of the row, those computed too.
EMSCRIPTEN_KEEPALIVE const char *vs_row(int row)
{
    std::string list;
    if (is_row(row))
        for (std::size_t column = 0; column < current->table.header().size(); ++column)
            add_text(list, current->table.cell(std::size_t(row), column));
    return answer(std::move(list));
}

// The cells the rows hold, row by row: what the page keeps.
EMSCRIPTEN_KEEPALIVE const char *vs_snapshot()
{
    std::string list;
    if (current)
        for (std::size_t row = 0; row < current->table.rows(); ++row)
            for (std::size_t column = 0; column < current->table.columns().size(); ++column)
                add_text(list, current->table.cell(row, column));
    return answer(std::move(list));
}

// What is wrong in the row: line, column and message of each problem.
EMSCRIPTEN_KEEPALIVE const char *vs_problems(int row)
{
    return answer_problems(is_row(row) ? current->table.problems(std::size_t(row)) : std::vector<Problem>());
}

// The cell's new text is in the buffer; rows are added up to it.
EMSCRIPTEN_KEEPALIVE void vs_set_cell(int row, int column)
{
    if (is_column(column) && row >= 0 && std::size_t(row) < max_rows)
        current->table.set_cell(std::size_t(row), std::size_t(column), incoming.c_str());
}

// Tab-separated rows from a spreadsheet, in the buffer, written from the
// cell on: how many rows were written, or -1 for what is no text.
EMSCRIPTEN_KEEPALIVE int vs_paste(int row, int column)
{
    const std::string_view text(incoming.c_str());
    if (!is_column(column) || row < 0 || !is_text(text))
        return -1;
    const std::size_t rows = std::min(max_rows, max_cells / std::max<std::size_t>(1, current->table.columns().size()));
    return int(current->table.paste(text, std::size_t(row), std::size_t(column), rows));
}

// A CSV file of size bytes in the buffer takes the squad's place: 1 when it
// did, 0 when it did not and the squad is as it was. The problems it found
// are then the answer (line, column, message each), the reason first when it
// did not.
EMSCRIPTEN_KEEPALIVE int vs_import(int size)
{
    if (!current || size < 0 || std::size_t(size) > incoming.size())
        return 0;
    std::vector<Problem> problems;
    const bool imported = current->table.import_csv(std::string_view(incoming.data(), std::size_t(size)), problems,
                                                    max_rows, max_columns, max_cells);
    if (imported)
        apply_formulas();
    answer_problems(problems);
    return imported;
}

// The squad as a CSV file, as the command line writes it.
EMSCRIPTEN_KEEPALIVE const char *vs_export()
{
    return answer(current ? current->table.export_csv() : std::string());
}

EMSCRIPTEN_KEEPALIVE void vs_sort(int column, int descending)
{
    if (current && column >= 0 && std::size_t(column) < current->table.header().size())
        current->table.sort(std::size_t(column), descending != 0);
}

// Adds the column named in the buffer before the column `at`: 0 when it
// did, 1 for a name that is blank, 2 for one taken by a column.
EMSCRIPTEN_KEEPALIVE int vs_add_column(int at)
{
    if (!current || current->table.columns().size() >= max_columns)
        return 2;
    const std::string name(trimmed(incoming.c_str()));
    if (name.empty())
        return 1;
    if (is_taken(name))
        return 2;
    for (const std::string &definition : current->definitions) {
        std::string why;
        const std::optional<FormulaDefinition> formula = parse_formula_definition(definition, {}, why);
        if (formula && column_key(formula->name) == column_key(name))
            return 2;
    }
    current->table.add_column(name, at < 0 ? std::size_t(0) : std::size_t(at));
    apply_formulas();
    return 0;
}

EMSCRIPTEN_KEEPALIVE void vs_remove_column(int column)
{
    if (is_column(column)) {
        current->table.remove_column(std::size_t(column));
        apply_formulas();
    }
}

EMSCRIPTEN_KEEPALIVE void vs_remove_row(int row)
{
    if (is_row(row))
        current->table.remove_row(std::size_t(row));
}

// The coach's formulas, "NAME = EXPRESSION" each, are in the buffer.
EMSCRIPTEN_KEEPALIVE void vs_set_formulas()
{
    if (!current)
        return;
    current->definitions = incoming_texts();
    apply_formulas();
}

// For each formula, whether the table holds it ("1" or "0") and what is wrong
// with it: why a definition is not held, or the fault of a held one's
// expression, with its position; empty for one that is computed.
EMSCRIPTEN_KEEPALIVE const char *vs_formula_faults()
{
    std::string list;
    if (current) {
        std::size_t held = 0;
        for (std::size_t i = 0; i < current->definitions.size(); ++i) {
            std::string why = current->refusals[i];
            const bool holds = why.empty();
            if (holds) {
                const std::string &name = current->table.formulas()[held++].name;
                for (const Problem &problem : current->table.formula_problems())
                    if (problem.column == name)
                        why = problem.message;
            }
            add_text(list, holds ? "1" : "0");
            add_text(list, why);
        }
    }
    return answer(std::move(list));
}

} // extern "C"
