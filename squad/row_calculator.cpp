// SPDX-License-Identifier: MIT
#include "squad/row_calculator.h"

#include <algorithm>

#include "calc/running_cycling.h"
#include "fields/field_rules.h"
#include "fields/number_format.h"
#include "squad/cells.h"

namespace vorlenta::squad {
namespace {

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
    : m_store(notation_with(decimal_point)), m_zero(render(0.0, Pattern::TwoDecimals, m_store.notation()))
{
    for (const FieldEntry &entry : field_entries())
        m_store.set_text(entry.field, m_zero);
}

std::string RowCalculator::refusal(Field field, std::string_view cell) const
{
    const Notation &notation = m_store.notation();
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

void RowCalculator::type(Field field, std::string_view cell)
{
    m_store.set_text(field, cell);
    leave_field(m_store, field);
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
    if (wanted.none())
        return;

    // Body mass first; without one, the field holds what the window's load
    // wrote. Inputs that no wanted result needs keep whatever they held.
    constexpr std::size_t body_mass = 0, running_speed = 12;
    static_assert(input_columns[body_mass].field == Field::Text11);
    static_assert(input_columns[running_speed].field == Field::Text21);
    if (typed & InputSet(1u << body_mass))
        type(Field::Text11, trimmed(inputs[body_mass]));
    else
        m_store.set_text(Field::Text11, m_zero);
    take_body_mass(m_body, m_store);
    for (std::size_t i = body_mass + 1; i < running_speed; ++i)
        if (typed & InputSet(1u << i))
            type(input_columns[i].field, trimmed(inputs[i]));

    std::array<Calculator, derived_count> ran{};
    for (std::size_t d = 0; d < derived_count; ++d) {
        const Calculator calculator = derived_columns[d].calculator;
        if (wanted[d] && calculator && std::find(ran.begin(), ran.end(), calculator) == ran.end()) {
            calculator(m_store, m_body);
            ran[d] = calculator;
        }
    }
    if (wanted[running_power_column]) {
        // Typing the speed zeroes the power; the click then converts from
        // the speed, the field typed last.
        key_down(m_store, Field::Text21);
        type(Field::Text21, trimmed(inputs[running_speed]));
        if (exchange_running_cycling(m_store, m_body) == Conversion::BodyMassMissing) {
            wanted[running_power_column] = false;
            problems.push_back({line, derived_columns[running_power_column].name, "Please insert body mass first."});
        }
    }

    for (std::size_t d = 0; d < derived_count; ++d)
        if (wanted[d])
            derived[d] = m_store.text(derived_columns[d].field);
}

} // namespace vorlenta::squad
