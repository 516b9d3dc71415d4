// SPDX-License-Identifier: MIT
#pragma once

// The derived cells of one athlete's row: the row's inputs are typed into
// their fields of the window's model (body mass first), each field left as a
// user leaves it for the next one, the running speed converted with the
// exchange button, and the result fields read. So each derived cell is the
// very text the window shows, in its pattern.
//
// An input is typed only when it is a number the window takes: an empty cell
// is a measurement not made, and a cell that is no number, lies beyond single
// precision or is longer than the window's field takes is reported; either
// way every result that needs it stays empty.
//
// One calculator serves a whole stream of rows: the model is made once.

#include <array>
#include <bitset>
#include <string>
#include <string_view>
#include <vector>

#include "calc/calc_model.h"
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
    RowCalculator(const RowCalculator &) = delete;
    RowCalculator &operator=(const RowCalculator &) = delete;

    // Fills the wanted derived cells of the row (the others are left empty)
    // and adds a problem for each input cell the window cannot take, with
    // `column_names` as the file writes them and `line` as given.
    void calculate(const Inputs &inputs, Wanted wanted, Derived &derived, std::vector<Problem> &problems,
                   long line, const std::array<std::string, input_count> &column_names);

    const Notation &notation() const { return m_model.store().notation(); }

private:
    // The text the window's field holds once the cell is typed and left.
    const std::string &as_left(Field field, std::string_view typed);
    // Why the cell cannot be typed; empty when it can.
    std::string refusal(Field field, std::string_view cell) const;

    CalcModel m_model;
    TextStore m_scratch; // where a typed text is left, away from the model
    bool m_body_mass_missing = false;
};

} // namespace vorlenta::squad
