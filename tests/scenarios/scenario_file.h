// SPDX-License-Identifier: MIT
#pragma once

// Reads a scenario file of this folder (its first comment says the notation):
// one row a line, "name | steps", a line that starts with a space continuing
// the steps of the row above; "face:" or "window:" before the name says that
// only the window and the page, or only the window, play the row.

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
    const std::string path = std::string(VORLENTA_SCENARIOS_DIR "/") + file_name;
    std::ifstream in(path);
    if (!in)
        throw std::runtime_error("cannot read " + path);
    std::vector<ScenarioRow> rows;
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line[0] == '#')
            continue;
        if (line[0] == ' ') {
            if (rows.empty())
                throw std::runtime_error(path + ": a continuation line before any row");
            rows.back().steps += line;
            continue;
        }
        const std::size_t bar = line.find(" | ");
        if (bar == std::string::npos)
            throw std::runtime_error(path + ": no \" | \" in: " + line);
        ScenarioRow row{line.substr(0, bar), line.substr(bar + 3)};
        for (const auto &[tag, players] : {std::pair{"face: ", Players::Faces}, std::pair{"window: ", Players::Window}}) {
            if (row.name.starts_with(tag)) {
                row.name.erase(0, std::char_traits<char>::length(tag));
                row.players = players;
            }
        }
        rows.push_back(std::move(row));
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
