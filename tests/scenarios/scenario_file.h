// SPDX-License-Identifier: MIT
#pragma once

// Reads a scenario file of this folder: one row a line, "name | steps". A row
// that not every player plays names those that do before its name, joined by
// "+": "window+page: focus order", "model+window: …", "page: …".

#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace vorlenta::testing {

enum class Player : unsigned { Model = 1, Window = 2, Page = 4 };
inline constexpr unsigned every_player = 7;

struct ScenarioRow {
    std::string name;
    std::string steps;
    unsigned players = every_player;

    bool played_by(Player player) const { return players & unsigned(player); }
};

// The players named before "name" ("window+page: name"), or none.
inline unsigned players_named(std::string &name)
{
    const std::size_t colon = name.find(": ");
    if (colon == std::string::npos || name.find_first_not_of("abcdefghijklmnopqrstuvwxyz+") < colon)
        return 0;
    unsigned players = 0;
    std::istringstream in(name.substr(0, colon));
    for (std::string player; std::getline(in, player, '+');) {
        const Player known = player == "model" ? Player::Model : player == "window" ? Player::Window : Player::Page;
        if (known == Player::Page && player != "page")
            throw std::runtime_error("no player " + player + " in the scenario row " + name);
        players |= unsigned(known);
    }
    name.erase(0, colon + 2);
    return players;
}

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
        if (const unsigned players = players_named(row.name))
            row.players = players;
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
