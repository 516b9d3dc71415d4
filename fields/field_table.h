// SPDX-License-Identifier: MIT
#pragma once

// The 23 entry fields as data, one row each: name, what it holds, character
// limit, the pattern that leaving rewrites them with, their panel, and for the
// four conversion fields the partner that a key press zeroes and the arrow it
// turns the panel's exchange button to.

#include <array>
#include <optional>
#include <span>

#include "fields/number_format.h"

namespace vorlenta {

// The enumerators stand in rows of their own choosing.
// clang-format off
enum class Field {
    Text1 = 1, Text2, Text3, Text4, Text5, Text6, Text7, Text8, Text9, Text10,
    Text11, Text12, Text13, Text14, Text15, Text16, Text17, Text18, Text19, Text20,
    Text21, Text22, Text23,
};
inline constexpr int field_count = 23;

// The framed groups of the window.
enum class Panel { Frame1 = 1, Frame2, Frame3, Frame4, Frame5, Frame6, Frame7 };
inline constexpr int panel_count = 7;

enum class ExchangeButton { Command1, Command2 };

// What a field holds: the calculators read and write fields by it.
enum class Quantity {
    Kilograms, Pounds,                                       // lb <--> kg
    Load, Repetitions, OneRepMax, OneRepMaxPerKg,            // 1RM
    Distance1, Time1, Distance2, Time2, Acceleration,        // acceleration
    BodyMass,                                                // kg, shared by the panels
    BodyFat, FatFreeMass, TargetBodyFat, TargetBodyMass,     // % and kg
    Speed, BikeMass, Grade, Power, PowerPerKg,               // cycling power
    RunningSpeed, CyclingPower,                              // km/h <--> W
};
// clang-format on
inline constexpr int quantity_count = 23;

struct KeyRule {
    Field partner;         // written "0.0" on every key press
    ExchangeButton button; // whose caption turns
    const char *arrow;     // "->" for the left-hand field, "<-" for the right
};

struct FieldEntry {
    Field field;
    const char *name; // "Text1" … "Text23": object name too
    Quantity quantity;
    int max_length;                       // typing stops here
    std::optional<Pattern> leave_pattern; // none: leaving does not rewrite
    Panel panel;
    std::optional<KeyRule> key_rule; // the four conversion fields only
};

namespace field_rows {
using enum Field;
using enum Panel;
using enum Quantity;
inline constexpr auto one = Pattern::OneDecimal;
inline constexpr auto two = Pattern::TwoDecimals;
inline constexpr KeyRule zeroes(Field partner, ExchangeButton button, const char *arrow)
{
    return {partner, button, arrow};
}

// Every field, in the order Text1 … Text23.
inline constexpr std::array<FieldEntry, field_count> table{{
    {Text1, "Text1", Kilograms, 5, one, Frame7, zeroes(Text23, ExchangeButton::Command1, "->")},
    {Text2, "Text2", Load, 6, one, Frame2, {}},
    {Text3, "Text3", Repetitions, 6, one, Frame2, {}},
    {Text4, "Text4", OneRepMax, 6, one, Frame2, {}},
    {Text5, "Text5", OneRepMaxPerKg, 6, one, Frame2, {}},
    {Text6, "Text6", Distance1, 6, two, Frame1, {}},
    {Text7, "Text7", Time1, 6, two, Frame1, {}},
    {Text8, "Text8", Distance2, 6, two, Frame1, {}},
    {Text9, "Text9", Time2, 6, two, Frame1, {}},
    {Text10, "Text10", Acceleration, 6, std::nullopt, Frame1, {}},
    {Text11, "Text11", BodyMass, 6, one, Frame6, {}},
    {Text12, "Text12", BodyFat, 6, one, Frame3, {}},
    {Text13, "Text13", FatFreeMass, 6, one, Frame3, {}},
    {Text14, "Text14", TargetBodyFat, 6, one, Frame3, {}},
    {Text15, "Text15", TargetBodyMass, 6, one, Frame3, {}},
    {Text16, "Text16", Speed, 4, one, Frame4, {}},
    {Text17, "Text17", BikeMass, 4, one, Frame4, {}},
    {Text18, "Text18", Grade, 4, one, Frame4, {}},
    {Text19, "Text19", Power, 4, one, Frame4, {}},
    {Text20, "Text20", PowerPerKg, 4, one, Frame4, {}},
    {Text21, "Text21", RunningSpeed, 5, one, Frame5, zeroes(Text22, ExchangeButton::Command2, "->")},
    {Text22, "Text22", CyclingPower, 5, one, Frame5, zeroes(Text21, ExchangeButton::Command2, "<-")},
    {Text23, "Text23", Pounds, 5, one, Frame7, zeroes(Text1, ExchangeButton::Command1, "<-")},
}};

// Each row stands at its field's place: a wrong order fails the build.
static_assert([] {
    for (int i = 0; i < field_count; ++i)
        if (int(table[std::size_t(i)].field) != i + 1)
            return false;
    return true;
}());
// Each quantity is held by exactly one field.
static_assert([] {
    std::array<int, quantity_count> fields{};
    for (const FieldEntry &entry : table)
        ++fields[std::size_t(entry.quantity)];
    for (const int count : fields)
        if (count != 1)
            return false;
    return true;
}());
} // namespace field_rows

// The fields in the order of the window's control list: the order its load
// writes their first texts in, and its text boxes' order among its controls.
inline constexpr std::array<Field, field_count> control_order{
    Field::Text23, Field::Text1,  Field::Text11, Field::Text22, Field::Text21, Field::Text20,
    Field::Text19, Field::Text18, Field::Text17, Field::Text16, Field::Text12, Field::Text13,
    Field::Text14, Field::Text15, Field::Text2,  Field::Text3,  Field::Text4,  Field::Text5,
    Field::Text10, Field::Text9,  Field::Text8,  Field::Text7,  Field::Text6,
};
// Each field stands in it once.
static_assert([] {
    std::array<int, field_count> seen{};
    for (const Field field : control_order)
        ++seen[std::size_t(static_cast<int>(field) - 1)];
    for (const int count : seen)
        if (count != 1)
            return false;
    return true;
}());

inline constexpr std::span<const FieldEntry, field_count> field_entries()
{
    return field_rows::table;
}
inline constexpr int index_of(Field field)
{
    return static_cast<int>(field) - 1;
}
inline constexpr const FieldEntry &entry_of(Field field)
{
    return field_rows::table[std::size_t(index_of(field))];
}
// The field that holds the quantity.
inline constexpr Field field_of(Quantity quantity)
{
    for (const FieldEntry &entry : field_rows::table)
        if (entry.quantity == quantity)
            return entry.field;
    return Field::Text1; // not reached: every quantity has its field
}
inline constexpr Quantity quantity_of(Field field)
{
    return entry_of(field).quantity;
}
inline constexpr Panel panel_of(Quantity quantity)
{
    return entry_of(field_of(quantity)).panel;
}

inline constexpr const char *name_of(Field field)
{
    return entry_of(field).name;
}

inline constexpr const char *name_of(Panel panel)
{
    constexpr const char *names[panel_count] = {"Frame1", "Frame2", "Frame3", "Frame4", "Frame5", "Frame6", "Frame7"};
    return names[static_cast<int>(panel) - 1];
}
inline constexpr const char *name_of(ExchangeButton button)
{
    return button == ExchangeButton::Command1 ? "Command1" : "Command2";
}

} // namespace vorlenta
