// SPDX-License-Identifier: MIT
#pragma once

// The columns of a squad that the calculators know: the inputs a coach
// measures, each typed into its field of the window, and the results the
// window shows, each with the inputs it needs. Every other column of a file
// passes through untouched.

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "calc/acceleration.h"
#include "calc/cycling_power.h"
#include "calc/fat_free_mass.h"
#include "calc/one_rep_max.h"
#include "fields/field_table.h"

namespace vorlenta::squad {

struct InputColumn {
    const char *name;
    Field field;
};

// In the order the inputs are typed: body mass first.
inline constexpr std::array<InputColumn, 13> input_columns{{
    {"body_mass", Field::Text11},
    {"body_fat", Field::Text12},
    {"target_body_fat", Field::Text14},
    {"load", Field::Text2},
    {"reps", Field::Text3},
    {"dist1", Field::Text6},
    {"time1", Field::Text7},
    {"dist2", Field::Text8},
    {"time2", Field::Text9},
    {"speed", Field::Text16},
    {"bike_mass", Field::Text17},
    {"grade", Field::Text18},
    {"running_speed", Field::Text21},
}};
inline constexpr std::size_t input_count = input_columns.size();

// A set of input columns, one bit each in the order above.
using InputSet = std::uint16_t;

constexpr InputSet input_bit(std::string_view name)
{
    for (std::size_t i = 0; i < input_count; ++i)
        if (name == input_columns[i].name)
            return InputSet(1u << i);
    throw "no such input column"; // a compile-time error in the table below
}

template <typename... Names>
constexpr InputSet inputs(Names... names)
{
    return InputSet((input_bit(names) | ...));
}

// The window's calculation that writes a result field.
using Calculator = void (*)(TextStore &, const BodyMass &);
inline void acceleration_calculator(TextStore &store, const BodyMass &)
{
    accel_calculation(store);
}

struct DerivedColumn {
    const char *name;
    Field field;           // the result field whose text the cell is
    InputSet needs;        // every input whose value reaches the result
    Calculator calculator; // none for the running power: a click converts it
};

inline constexpr std::array<DerivedColumn, 8> derived_columns{{
    {"fat_free_mass", Field::Text13, inputs("body_mass", "body_fat"), ffm_calculation},
    {"target_body_mass", Field::Text15, inputs("body_mass", "body_fat", "target_body_fat"), ffm_calculation},
    {"one_rm", Field::Text4, inputs("load", "reps"), onerm_calculation},
    {"one_rm_per_kg", Field::Text5, inputs("load", "reps", "body_mass"), onerm_calculation},
    {"acceleration", Field::Text10, inputs("dist1", "time1", "dist2", "time2"), acceleration_calculator},
    {"power", Field::Text19, inputs("speed", "bike_mass", "grade", "body_mass"), calculate_cycling_power},
    {"power_per_kg", Field::Text20, inputs("speed", "bike_mass", "grade", "body_mass"), calculate_cycling_power},
    {"running_power", Field::Text22, inputs("running_speed", "body_mass"), nullptr},
}};
inline constexpr std::size_t derived_count = derived_columns.size();

// The running power is the one result of a click (the exchange button), not
// of typing.
inline constexpr std::size_t running_power_column = 7;
static_assert(std::string_view(derived_columns[running_power_column].name) == "running_power");

} // namespace vorlenta::squad
