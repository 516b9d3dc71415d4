// SPDX-License-Identifier: MIT
#pragma once

// The derived cells of one athlete's row: the row's inputs are typed into
// their fields of the window's model (body mass first), each field left as a
// user leaves it for the next one, the running speed converted with the
// exchange button, and the result fields read. So each derived cell is the
// very text the window shows, in its pattern.
//
// The window runs a calculation each time one of its fields changes, and its
// last run, once every field holds its final text, is the one whose texts the
// window shows: that run alone is made here, with the window's calculators on
// the window's text store.
//
// An input is typed only when it is a number the window takes: an empty cell
// is a measurement not made, and a cell that is no number, lies beyond single
// precision or is longer than the window's field takes is reported; either
// way every result that needs it stays empty.

#include <array>
#include <bitset>
#include <string>
#include <string_view>
#include <vector>

#include "calc/body_mass.h"
#include "fields/text_store.h"
#include "squad/columns.h"
#include "squad/problem.h"

namespace vorlenta::squad {

class RowCalculator {
public:
    using Inputs = std::array<std::string_view, input_count>; // in the order of input_columns
    using Derived = std::array<std::string, derived_count>;   // in the order of derived_columns
    using Wanted = std::bitset<derived_count>;

    // Numbers are read and written with this decimal separator, '.' or ','.
    explicit RowCalculator(char decimal_point);

    // Fills the wanted derived cells of the row (the others are left empty)
    // and adds a problem for each input cell the window cannot take, with
    // `column_names` as the file writes them and `line` as given.
    void calculate(const Inputs &inputs, Wanted wanted, Derived &derived, std::vector<Problem> &problems, long line,
                   const std::array<std::string, input_count> &column_names);

    const Notation &notation() const { return m_store.notation(); }

private:
    // Types the cell into its field and leaves the field.
    void type(Field field, std::string_view cell);
    // Why the cell cannot be typed; empty when it can.
    std::string refusal(Field field, std::string_view cell) const;

    TextStore m_store;
    BodyMass m_body;
    std::string m_zero; // what the window's load writes into every field
};

} // namespace vorlenta::squad
