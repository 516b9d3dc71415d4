// SPDX-License-Identifier: MIT
#include "squad/squad_columns.h"

#include <cmath>
#include <unordered_map>

#include "fields/number_format.h"
#include "squad/cells.h"
#include "text/number_grammar.h"
#include "text/number_text.h"

namespace vorlenta::squad {

std::string column_key(std::string_view name)
{
    std::string key(trimmed(name));
    for (char &c : key)
        c = c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
    return key;
}

namespace {

bool is_calculator_column(const std::string &key)
{
    for (const InputColumn &input : input_columns)
        if (key == input.name)
            return true;
    for (const DerivedColumn &derived : derived_columns)
        if (key == derived.name)
            return true;
    return false;
}

std::string fault_text(const EvalResult &result)
{
    return result.position > 0 ? result.message + " (position " + std::to_string(result.position) + ")"
                               : result.message;
}

} // namespace

bool cell_number(std::string_view cell, const Notation &notation, double &value)
{
    // The plain form of the number grammar first, which needs no translation
    // from the notation; then whatever else the notation writes.
    if (double plain; notation.decimal_point.size() == 1 && text::read_double(cell, notation.decimal_point[0], plain)
        && std::isfinite(plain)) {
        value = plain;
        return true;
    }
    const std::optional<double> number = to_double(cell, notation);
    if (number)
        value = *number;
    return number.has_value();
}

std::optional<double> cell_number(std::string_view cell, const Notation &notation)
{
    if (double value; cell_number(cell, notation, value))
        return value;
    return std::nullopt;
}

std::optional<FormulaDefinition>
parse_formula_definition(std::string_view text, const std::vector<FormulaDefinition> &earlier, std::string &why)
{
    const std::size_t equals = text.find('=');
    const std::string name(trimmed(text.substr(0, equals)));
    if (equals == std::string_view::npos || name.empty()) {
        why = "NAME=EXPRESSION expected";
        return std::nullopt;
    }
    const std::string_view expression = trimmed(text.substr(equals + 1));
    if (expression.empty()) {
        why = "the expression of " + name + " is empty";
        return std::nullopt;
    }
    const std::string key = column_key(name);
    if (is_calculator_column(key)) {
        why = name + " is a column of the calculators";
        return std::nullopt;
    }
    for (const FormulaDefinition &definition : earlier) {
        if (column_key(definition.name) == key) {
            why = name + " is defined twice";
            return std::nullopt;
        }
    }
    return FormulaDefinition{name, std::string(expression)};
}

SquadColumns::SquadColumns(const std::vector<std::string_view> &header, const std::vector<FormulaDefinition> &formulas,
                           char decimal_point, long header_line, std::vector<Problem> &problems)
    : m_header(header.begin(), header.end()), m_file_columns(header.size()), m_calculator(decimal_point)
{
    std::unordered_map<std::string, std::size_t> columns; // by key; the first of a name counts
    for (std::size_t c = 0; c < header.size(); ++c)
        columns.emplace(column_key(header[c]), c);
    const auto column_of = [&](std::string_view name) -> std::optional<std::size_t> {
        const auto found = columns.find(column_key(name));
        return found == columns.end() ? std::nullopt : std::optional(found->second);
    };
    // A new column is appended; one the file has already is used.
    const auto output_column = [&](const std::string &name) {
        const auto [found, added] = columns.emplace(column_key(name), m_header.size());
        if (added)
            m_header.push_back(name);
        return found->second;
    };

    InputSet present = 0;
    for (std::size_t i = 0; i < input_count; ++i) {
        m_inputs[i] = column_of(input_columns[i].name);
        if (m_inputs[i])
            m_input_names[i] = m_header[*m_inputs[i]];
        if (m_inputs[i])
            present |= InputSet(1u << i);
    }
    m_any_input = present != 0;
    for (std::size_t d = 0; d < derived_count; ++d) {
        m_wanted[d] = (derived_columns[d].needs & present) == derived_columns[d].needs;
        if (m_wanted[d])
            m_derived[d] = output_column(derived_columns[d].name);
    }
    for (const FormulaDefinition &definition : formulas) {
        FormulaColumn formula{Formula(definition.expression, decimal_point), 0, {}, true, {}};
        const auto report = [&](std::string message) {
            problems.push_back({header_line, definition.name, std::move(message)});
            formula.usable = false;
        };
        // A fault that every row would meet is the formula's own.
        const std::vector<double> ones(formula.formula.symbols().size(), 1.0);
        const EvalResult probe = formula.formula.evaluate(ones.data(), ones.size());
        if (probe.number == eval_errors::SyntaxFault || probe.number == eval_errors::ExpressionTooLong)
            report(fault_text(probe));
        for (const std::string &symbol : formula.formula.symbols()) {
            if (!formula.usable)
                break;
            if (const std::optional<std::size_t> column = column_of(symbol)) {
                formula.symbols.push_back(*column);
                continue;
            }
            // "Squat" reads as the square root of "quat".
            std::string hint = " (a formula sees the file's columns and the ones before it)";
            for (const char function : {'e', 's', 'l'})
                if (column_of(std::string(1, function) + symbol))
                    hint = " (" + std::string(1, char(function - 'a' + 'A')) + " is a function: write "
                        + std::string(1, function) + symbol + " in lower case)";
            report("no column named '" + symbol + "'" + hint);
        }
        formula.column = output_column(definition.name);
        m_formulas.push_back(std::move(formula));
    }
}

void SquadColumns::place(std::size_t column, std::string_view computed, long line, std::vector<Problem> &problems)
{
    if (computed.empty())
        return; // a cell of the file stays as it is
    if (column >= m_file_columns || trimmed(m_out[column]).empty()) {
        m_out[column] = computed;
    } else if (m_out[column] != computed) {
        problems.push_back({line, m_header[column],
                            "the file's " + quoted(m_out[column]) + " is kept; computed: " + quoted(computed)});
    }
}

void SquadColumns::evaluate(FormulaColumn &formula, long line, std::vector<Problem> &problems)
{
    formula.result.clear();
    if (!formula.usable)
        return;
    m_values.resize(formula.symbols.size());
    const Notation &notation = m_calculator.notation();
    for (std::size_t s = 0; s < formula.symbols.size(); ++s) {
        const std::string_view cell = trimmed(m_out[formula.symbols[s]]);
        if (cell.empty())
            return; // a measurement not made: no result, and nothing wrong
        if (!cell_number(cell, notation, m_values[s])) {
            problems.push_back(
                {line, m_header[formula.column], m_header[formula.symbols[s]] + " is not a number: " + quoted(cell)});
            return;
        }
    }
    const EvalResult result = formula.formula.evaluate(m_values.data(), m_values.size());
    if (result.ok()) {
        char number[text::number_text_size];
        formula.result.assign(number, text::write_number_text(result.value, notation.decimal_point[0], number));
    } else
        problems.push_back({line, m_header[formula.column], fault_text(result)});
}

const std::vector<std::string_view> &SquadColumns::compute(const std::vector<std::string_view> &cells, long line,
                                                           std::vector<Problem> &problems)
{
    m_out.assign(cells.begin(), cells.begin() + std::ptrdiff_t(std::min(cells.size(), m_file_columns)));
    m_out.resize(m_header.size());

    // Without an input column no result is wanted, and there is nothing to check.
    if (m_any_input) {
        RowCalculator::Inputs inputs;
        for (std::size_t i = 0; i < input_count; ++i)
            inputs[i] = m_inputs[i] && *m_inputs[i] < cells.size() ? cells[*m_inputs[i]] : std::string_view();
        m_calculator.calculate(inputs, m_wanted, m_derived_cells, problems, line, m_input_names);
        for (std::size_t d = 0; d < derived_count; ++d)
            if (m_derived[d])
                place(*m_derived[d], m_derived_cells[d], line, problems);
    }

    for (FormulaColumn &formula : m_formulas) {
        evaluate(formula, line, problems);
        place(formula.column, formula.result, line, problems);
    }

    if (cells.size() > m_file_columns) {
        problems.push_back({line,
                            {},
                            "a row with too many cells: " + std::to_string(cells.size()) + ", the header has "
                                + std::to_string(m_file_columns) + " (the others are kept at the end)"});
        m_out.insert(m_out.end(), cells.begin() + std::ptrdiff_t(m_file_columns), cells.end());
    }
    return m_out;
}

} // namespace vorlenta::squad
