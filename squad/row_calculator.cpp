// SPDX-License-Identifier: MIT
#include "squad/row_calculator.h"

#include "fields/field_rules.h"
#include "fields/number_format.h"

namespace vorlenta::squad {
namespace {

Notation notation_with(char decimal_point)
{
    Notation notation;
    notation.decimal_point = std::string(1, decimal_point);
    return notation;
}

std::string_view trimmed(std::string_view cell)
{
    const std::size_t first = cell.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return cell.substr(first, cell.find_last_not_of(" \t") - first + 1);
}

// Characters, not bytes: a continuation byte of UTF-8 starts none.
std::size_t characters(std::string_view text)
{
    std::size_t count = 0;
    for (const char c : text)
        count += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return count;
}

} // namespace

RowCalculator::RowCalculator(char decimal_point)
    : m_model(notation_with(decimal_point)), m_scratch(notation_with(decimal_point))
{
    m_model.on_body_mass_missing([this] { m_body_mass_missing = true; });
    m_model.load();
}

std::string RowCalculator::refusal(Field field, std::string_view cell) const
{
    const Notation &notation = m_model.store().notation();
    if (!is_numeric(cell, notation)) {
        Notation other = notation;
        other.decimal_point = notation.decimal_point == "," ? "." : ",";
        return "not a number: " + quoted(cell)
               + (is_numeric(cell, other) ? " (the decimal separator here is '" + notation.decimal_point + "')" : "");
    }
    if (!to_single(cell, notation))
        return quoted(cell) + " is beyond the range of the calculators";
    if (const int limit = entry_of(field).max_length; characters(cell) > std::size_t(limit))
        return quoted(cell) + " is longer than the " + std::to_string(limit) + " characters the window's field takes";
    return {};
}

const std::string &RowCalculator::as_left(Field field, std::string_view typed)
{
    m_scratch.set_text(field, typed);
    leave_field(m_scratch, field);
    return m_scratch.text(field);
}

void RowCalculator::calculate(const Inputs &inputs, Wanted wanted, Derived &derived, std::vector<Problem> &problems,
                              long line, const std::array<std::string, input_count> &column_names)
{
    InputSet usable = 0;
    for (std::size_t i = 0; i < input_count; ++i) {
        const std::string_view cell = trimmed(inputs[i]);
        if (cell.empty())
            continue;
        if (std::string why = refusal(input_columns[i].field, cell); !why.empty())
            problems.push_back({line, column_names[i], std::move(why)});
        else
            usable |= InputSet(1u << i);
    }

    InputSet typed = 0;
    for (std::size_t d = 0; d < derived_count; ++d) {
        derived[d].clear();
        if ((derived_columns[d].needs & usable) != derived_columns[d].needs)
            wanted[d] = false;
        if (wanted[d])
            typed |= derived_columns[d].needs;
    }

    // Inputs that no wanted result needs keep whatever they held: no result
    // read below depends on them. Body mass first, as the columns are listed.
    TextStore &store = m_model.store();
    for (std::size_t i = 0; i < input_count; ++i) {
        const Field field = input_columns[i].field;
        if ((typed & InputSet(1u << i)) && field != Field::Text21)
            store.set_text(field, as_left(field, trimmed(inputs[i])));
    }
    if (wanted[running_power_column]) {
        // Typing the speed zeroes the power; the click then converts from
        // the speed, the field typed last.
        constexpr std::size_t speed = 12;
        static_assert(input_columns[speed].field == Field::Text21);
        m_model.key_down(Field::Text21);
        store.set_text(Field::Text21, as_left(Field::Text21, trimmed(inputs[speed])));
        m_body_mass_missing = false;
        m_model.Command2_Click();
        if (m_body_mass_missing) {
            wanted[running_power_column] = false;
            problems.push_back({line, derived_columns[running_power_column].name, "Please insert body mass first."});
        }
    }

    for (std::size_t d = 0; d < derived_count; ++d)
        if (wanted[d])
            derived[d] = store.text(derived_columns[d].field);
}

} // namespace vorlenta::squad
