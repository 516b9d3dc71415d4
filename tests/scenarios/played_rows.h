// SPDX-License-Identifier: MIT
#pragma once

// Scenario rows as GoogleTest parameters: each row once in each notation,
// named after the row.

#include <cctype>
#include <ostream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/scenarios/scenario_file.h"
#include "tests/support/notations.h"

namespace vorlenta::testing {

struct Played {
    ScenarioRow row;
    Notation notation;
    friend void PrintTo(const Played &played, std::ostream *out) { *out << played.row.name; }
};

// Every row in "." notation, then every row in "," notation.
inline std::vector<Played> in_both_notations(const std::vector<ScenarioRow> &rows)
{
    std::vector<Played> played;
    for (const Notation notation : both_notations)
        for (const ScenarioRow &row : rows)
            played.push_back({row, notation});
    return played;
}

// The row's name in the letters and digits a test's name may hold.
inline std::string test_name(const ::testing::TestParamInfo<Played> &info)
{
    std::string name = info.param.row.name + (info.param.notation == Notation::Comma ? " comma" : "");
    for (char &c : name)
        c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
    return name;
}

} // namespace vorlenta::testing
