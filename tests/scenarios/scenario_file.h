// SPDX-License-Identifier: MIT
#pragma once

// Reads a scenario file of this folder: one row a line, "name | steps", with
// "face:" or "window:" before the name of a row that only the window and the
// page, or only the window, play.

#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace vorlenta::testing {

enum class Players { All, Faces, Window };

struct ScenarioRow {
    std::string name;
    std::string steps;
    Players players = Players::All;
};

inline std::vector<ScenarioRow> read_scenarios(const std::string &file_name)
{
    std::ifstream in(VORLENTA_SCENARIOS_DIR "/" + file_name);
    if (!in)
        throw std::runtime_error("cannot read the scenarios " + file_name);
    std::vector<ScenarioRow> rows;
    for (std::string line; std::getline(in, line);) {
        const std::size_t bar = line.find(" | ");
        if (line.empty() || line[0] == '#' || bar == std::string::npos)
            continue;
        ScenarioRow row{line.substr(0, bar), line.substr(bar + 3)};
        for (const auto &[tag, players] : {std::pair{"face: ", Players::Faces}, std::pair{"window: ", Players::Window}}) {
            if (row.name.starts_with(tag))
                row = {row.name.substr(std::string_view(tag).size()), row.steps, players};
        }
        rows.push_back(row);
    }
    return rows;
}

// The steps of a row, "." and "," exchanged for the decimal-comma notation.
inline std::vector<std::string> words_of(const ScenarioRow &row, bool decimal_comma)
{
    std::istringstream in(row.steps);
    std::vector<std::string> words;
    for (std::string word; in >> word;) {
        for (char &c : word)
            c = !decimal_comma ? c : c == '.' ? ',' : c == ',' ? '.' : c;
        words.push_back(word);
    }
    return words;
}

} // namespace vorlenta::testing
